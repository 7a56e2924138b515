#include "sim/Camera.h"

#include "core/Angles.h"
#include "sim/Player.h"

#include <Inventor/SbRotation.h>

#include <cmath>

namespace {

// Distances in world units.
constexpr float kStartDistance = 5.0f;
constexpr float kFirstPersonBelow = 1.5f; // wanted distance that pins the eye on the hero
constexpr float kThirdPersonFrom = 2.0f;  // the hero is drawn from here on
constexpr float kDriftOut = 0.2f;         // per step, back towards the wanted distance

// Angles in degrees.
constexpr float kPitchLimit = 90.0f;
constexpr float kPitchSpring = 0.5f;

} // namespace

Camera::Camera() = default;

Camera::Camera(Player *hero) : player(hero) { placeProvisionally(); }

// Construction and reset need some position before the first move; the
// hero's is as good as any, move replaces it.
void Camera::placeProvisionally()
{
    setPosition(heroPosition());
    savePreviousPosition();
}

SbVec3f Camera::heroPosition() const
{
    return player ? player->getPosition() : SbVec3f(0.0f, 0.0f, 0.0f);
}

void Camera::setDistance(float distance)
{
    desiredDistance = distance;
    actualDistance = distance;
}

void Camera::setPitch(float degrees)
{
    if (pitch > -kPitchLimit && pitch < kPitchLimit)
        pitch = degrees;
    if (pitch <= -kPitchLimit)
        pitch += kPitchSpring;
    if (pitch >= kPitchLimit)
        pitch -= kPitchSpring;
}

void Camera::setHeading(float degrees)
{
    heading = std::fabs(degrees) < Angles::kFullTurn ? degrees : 0.0f;
}

void Camera::reset()
{
    actualDistance = kStartDistance;
    desiredDistance = kStartDistance;
    pitch = 0.0f;
    heading = 0.0f;
    placeProvisionally();
}

bool Camera::collidesWithQuad(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB, SbVec3f normal)
{
    const SbVec3f hero = heroPosition();
    SbVec3f sight = position - hero;
    const float towardsFace = sight.dot(normal);
    if (towardsFace <= 0.0f)
        return false;
    const float length = sight.length();
    sight = sight / length;
    const SbVec3f stu = solveFrame(corner, edgeA, edgeB, -sight, hero);
    if (!(stu[0] >= 0.0f && stu[0] <= 1.0f && stu[1] >= 0.0f && stu[1] <= 1.0f))
        return false;
    const SbVec3f hit = corner + edgeA * stu[0] + edgeB * stu[1];
    const float hitDistance = (hero - hit).length();
    if (!(hitDistance < length))
        return false;
    if (!((hit - hero).dot(normal) / towardsFace > 0.0f))
        return false;
    actualDistance = hitDistance;
    return true;
}

bool Camera::collidesWithSphere(SbVec3f centre, float radius)
{
    if (!((position - centre).length() <= radius))
        return false;
    actualDistance = (heroPosition() - centre).length() - radius;
    return true;
}

bool Camera::collidesWith(Entity &other) { return other.collidesWithSphere(position, kRadius); }

void Camera::resolveCollisionWith(Entity &other) { other.resolveSphereCollision(position, kRadius); }

void Camera::move()
{
    if (!player)
        return;
    // The point (0, -0.5, -d) turned by -pitch about x, then by -heading
    // about y, as a row vector through the three matrices in turn.
    offsetMatrix.setTranslate(SbVec3f(0.0f, -kPivotHeight, -actualDistance));
    pitchMatrix.setRotate(SbRotation(SbVec3f(1.0f, 0.0f, 0.0f), -pitch * Angles::kRadiansPerDegree));
    headingMatrix.setRotate(SbRotation(SbVec3f(0.0f, 1.0f, 0.0f), -heading * Angles::kRadiansPerDegree));
    SbVec3f offset(0.0f, 0.0f, 0.0f);
    offsetMatrix.multVecMatrix(offset, offset);
    pitchMatrix.multVecMatrix(offset, offset);
    headingMatrix.multVecMatrix(offset, offset);
    setPosition(player->getPosition() + offset);

    if (desiredDistance < kFirstPersonBelow)
        actualDistance = 0.0f;
    if (player->isDead() && actualDistance == 0.0f)
        actualDistance = kStartDistance; // let the dying figure be seen
    if (desiredDistance > actualDistance)
        actualDistance += kDriftOut;
}

void Camera::finishStep()
{
    if (player)
        player->setVisible(actualDistance >= kThirdPersonFrom);
}
