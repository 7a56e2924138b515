#include "sim/MovingSurface.h"

#include "sim/BoundaryVisitor.h"
#include "sim/Entity.h"
#include "sim/GameRegistry.h"

#include <utility>

namespace {
// An actor in contact is handed the normal tilted by this many times the
// face's step of the tick (world units), which pushes it along.
constexpr float kCarryFactor = 2.0f;

const SbVec3f kZero(0.0f, 0.0f, 0.0f);

} // namespace

MovingSurface::MovingSurface(SbVec3f corner0, SbVec3f corner1, SbVec3f corner2,
                             Waypoints waypoints, float stepLength)
    : MovingBoundary(corner0, std::move(waypoints), stepLength)
{
    clearTexture = GameRegistry::loadTexture("clear.bmp");
    points.push_back(corner1);
    points.push_back(corner2);
    spanRectangle(corner0, corner1, corner2, edges, edgeLengths, normal);
    // Standing exactly on path[0] already: the first move heads for the
    // next waypoint.
    aimAtTarget(0.0f);
}

void MovingSurface::flip()
{
    normal.negate();
    flipped = !flipped;
}

void MovingSurface::setTexture(unsigned int textureIndex)
{
    hasTexture = true;
    texture = textureIndex;
}

void MovingSurface::setColor(float r, float g, float b, float a) { color.setValue(r, g, b, a); }

void MovingSurface::aimAtTarget(float tolerance)
{
    if (path.empty()) {
        // Nothing to head for: hold still until a path is given.
        direction = kZero;
        remaining = 0.0f;
        return;
    }
    direction = path[size_t(targetIndex)] - points[0];
    // Coin's tolerance test compares the squared length with the tolerance
    // itself: within sqrt(speed) of the waypoint the surface takes one short
    // step of speed * distance (direction left unnormalised) and then turns
    // to the next waypoint.
    if (direction.equals(kZero, tolerance)) {
        remaining = 0.0f;
    } else {
        remaining = direction.length();
        direction.normalize();
    }
}

void MovingSurface::move()
{
    if (path.empty()) {
        aimAtTarget(speed);
        return;
    }
    if (remaining <= 0.0f) {
        targetIndex = (targetIndex + 1) % int(path.size());
        aimAtTarget(speed);
    }
    // May overshoot the waypoint by less than one step; the next leg starts
    // from wherever the surface is.
    remaining = remaining - speed;
    points[0] = points[0] + direction * speed;
}

void MovingSurface::reset()
{
    path = initialPath;
    points[0] = startPosition;
    targetIndex = 0;
    aimAtTarget(0.0f);
}

bool MovingSurface::testCollision(Entity *actor)
{
    return actor->collidesWithQuad(points[0], edgeVectorA(), edgeVectorB(), normal);
}

SbVec3f MovingSurface::carryingNormal() const
{
    const SbVec3f step = (kCarryFactor * direction) * speed;
    SbVec3f tilted = normal + step;
    // A face moving against its normal at exactly half a unit per tick
    // cancels it out; the actor is then pushed to the back.
    if (tilted == kZero)
        return -normal;
    tilted.normalize();
    return tilted;
}

void MovingSurface::resolveCollision(Entity *actor)
{
    actor->resolveQuadCollision(points[0], edgeVectorA(), edgeVectorB(), carryingNormal());
}

std::array<SbVec3f, 4> MovingSurface::outline() const
{
    return {points[0], points[0] + edgeVectorA(), points[0] + edgeVectorA() + edgeVectorB(),
            points[0] + edgeVectorB()};
}

void MovingSurface::accept(BoundaryVisitor &visitor) const { visitor.visit(*this); }
