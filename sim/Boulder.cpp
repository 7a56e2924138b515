#include "sim/Boulder.h"

#include "core/Angles.h"
#include "sim/ActorVisitor.h"
#include "sim/GameRegistry.h"

#include <cmath>

namespace {
// Radius of a boulder built without arguments, world units.
constexpr float kDefaultRadius = 1.0f;
// Drawing spin: degrees turned per world unit of velocity per step, kept
// within one full turn.
constexpr float kRollDegreesPerUnit = 5.0f;
// A harmless ball keeps this share of its displacement on the face it is
// already rolling on, so on level ground it comes to rest.
constexpr float kHarmlessCarry = 0.5f;

} // namespace

Boulder::Boulder() : Boulder(SbVec3f(0.0f, 0.0f, 0.0f), kDefaultRadius) {}

Boulder::Boulder(SbVec3f point, float ballRadius)
    : Entity(point), radius(ballRadius), gravity(GameRegistry::getGravity())
{
    clearTexture = GameRegistry::loadTexture("clear.bmp");
    texture = GameRegistry::loadTexture("Boulder.bmp");
}

void Boulder::reset()
{
    velocity.setValue(0.0f, 0.0f, 0.0f);
    // Killed in the middle of a collision pass, the ball must not sweep from
    // where it died to its start point: the faces in between would catch it
    // and put it anywhere, even inside a block. It starts over unmoved.
    setPosition(startPosition);
    savePreviousPosition();
    rollZ = 0.0f;
    rollX = 0.0f;
}

bool Boulder::collidesWithQuad(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB, SbVec3f normal)
{
    const SbVec3f sweep = (position - previousPosition) - normal * radius;
    if (sweep.dot(normal) == 0.0f)
        return false; // parallel to the face (or no sweep at all)
    SbVec3f hit;
    if (!sweepMeetsQuad(sweep, corner, edgeA, edgeB, hit))
        return false;
    lastNormal = normal;
    return true;
}

void Boulder::resolveQuadCollision(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB, SbVec3f normal)
{
    const SbVec3f stu = solveFrame(corner, edgeA, edgeB, -normal, position);
    const SbVec3f foot = corner + edgeA * stu[0] + edgeB * stu[1];
    const SbVec3f resting = foot + normal * radius;
    if (deadly)
        velocity = resting - previousPosition;
    else if (normal == lastNormal)
        velocity = kHarmlessCarry * (resting - previousPosition);
    else
        velocity.setValue(0.0f, 0.0f, 0.0f);
    setPosition(resting);
}

bool Boulder::collidesWithSphere(SbVec3f centre, float otherRadius)
{
    return spheresTouch(centre, otherRadius, radius);
}

void Boulder::resolveSphereCollision(SbVec3f centre, float otherRadius)
{
    pushOutOfSphere(centre, otherRadius, radius);
}

bool Boulder::collidesWith(Entity &other) { return other.collidesWithSphere(position, radius); }

void Boulder::resolveCollisionWith(Entity &other)
{
    if (deadly)
        other.kill();
    other.resolveSphereCollision(position, radius);
}

void Boulder::move()
{
    savePreviousPosition();
    // The ball writes its position directly; nextPosition is not used.
    position = position + gravity + velocity;
    rollZ = std::fmod(velocity[0] * kRollDegreesPerUnit + rollZ, Angles::kFullTurn);
    rollX = std::fmod(velocity[2] * kRollDegreesPerUnit + rollX, Angles::kFullTurn);
}

void Boulder::accept(ActorVisitor &visitor) const { visitor.visit(*this); }
