#include "sim/Trigger.h"

#include "sim/Entity.h"

#include <utility>

namespace {
// A trigger stands still: its path is only handed on to its box.
constexpr float kTriggerSpeed = 0.0f;
} // namespace

Trigger::Trigger(SbVec3f corner0, SbVec3f corner1, SbVec3f corner2, MovingQuadrat box,
                 Waypoints waypoints, int ticks)
    : MovingBoundary(corner0, std::move(waypoints), kTriggerSpeed), delay(ticks),
      block(std::move(box))
{
    points.push_back(corner1);
    points.push_back(corner2);
    spanRectangle(corner0, corner1, corner2, edges, edgeLengths, normal);
    blockPath = block.getPath();
}

bool Trigger::testCollision(Entity *actor)
{
    if (actor->isPlayer() && !playerTriggers)
        return false;
    return actor->collidesWithQuad(points[0], edges[0] * edgeLengths[0],
                                   edges[1] * edgeLengths[1], normal);
}

void Trigger::resolveCollision(Entity *)
{
    if (active)
        return;
    active = true;
    elapsed = 0;
    block.setPath(path);
}

void Trigger::sendHome()
{
    active = false;
    elapsed = 0;
    block.setPath(blockPath);
}

void Trigger::move()
{
    // Any negative delay counts as never: only a delay that elapsed can
    // reach may send the box home.
    if (delay < 0 || !active)
        return;
    if (elapsed == delay)
        sendHome();
    ++elapsed;
}

void Trigger::reset()
{
    path = initialPath;
    active = false;
    elapsed = 0;
}
