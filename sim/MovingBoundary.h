#pragma once
#include "sim/Boundary.h"

#include <Inventor/SbVec3f.h>
#include <vector>

// Waypoints of a moving piece, world coordinates of its anchor corner.
using Waypoints = std::vector<SbVec3f>;

// Everything the level updates once per tick: moving faces and triggers.
// Moving pieces are neither in the level's display list nor in its grid;
// they are drawn every frame and tested against every actor every tick.
class MovingBoundary : public Boundary {
public:
    // speed: world units per tick along the path.
    MovingBoundary(SbVec3f start, Waypoints waypoints, float speed);

    // Moving pieces have no grid cells.
    void addToGrid(unsigned int, unsigned int, unsigned int, SpatialGrid &, int) override {}

    // Back to the start point and the construction path (the level's
    // restart after a lost life).
    virtual void reset() = 0;
    // One tick of motion.
    virtual void move() = 0;

    // Replaces the path only: the position and the progress towards the
    // current waypoint are kept, so the piece neither jumps nor restarts.
    void setPath(Waypoints waypoints);
    const Waypoints &getPath() const { return path; }
    float getSpeed() const { return speed; }

protected:
    Waypoints initialPath;
    SbVec3f startPosition;
    Waypoints path;
    float speed;
};
