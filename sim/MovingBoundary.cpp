#include "sim/MovingBoundary.h"

#include <utility>

MovingBoundary::MovingBoundary(SbVec3f start, Waypoints waypoints, float stepLength)
    : Boundary(start), initialPath(waypoints), startPosition(start), path(std::move(waypoints)),
      speed(stepLength)
{
}

void MovingBoundary::setPath(Waypoints waypoints) { path = std::move(waypoints); }
