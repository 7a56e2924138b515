#include "sim/Didud.h"

#include "core/Angles.h"
#include "sim/ActorVisitor.h"

#include <algorithm>
#include <cmath>

namespace {
const FigureFiles kDidudFiles{"DidudHead.bmp",        "DidudBody.bmp",    "DidudFeet.bmp", "DidudHeadTot.bmp",
                              "DidudHeadTwinkle.bmp", "Sounds\\jump.wav", "Sounds\\DEAD.wav"};

constexpr float kRadius = 0.5f;
// The Didud jumps when its target stands more than this much higher.
constexpr float kJumpAtHeightDifference = 2.0f;
// Heading 0 walks towards -z.
const SbVec3f kHomeDirection(0.0f, 0.0f, -1.0f);
const SbVec3f kRightDirection(1.0f, 0.0f, 0.0f);

// Death: degrees of one turn, turns per step, and the spin after which the
// Didud is gone (34 steps).
constexpr float kSpinPerTurn = 8.0f;
constexpr int kSpinTurnsPerStep = 2;
constexpr float kSpinToVanish = 540.0f;
} // namespace

Didud::Didud() : Didud(0.0f, 0.0f, 0.0f, nullptr, 0.0f) {}

Didud::Didud(float x, float y, float z, Entity *chased, float range)
    : Walker(x, y, z, kRadius, kDidudFiles), target(chased), sightRange(range)
{
}

void Didud::reset()
{
    resetFigure();
    gone = false;
}

bool Didud::collidesWithSphere(SbVec3f centre, float otherRadius)
{
    return !gone && Walker::collidesWithSphere(centre, otherRadius);
}

bool Didud::collidesWith(Entity &other) { return !gone && Walker::collidesWith(other); }

void Didud::resolveCollisionWith(Entity &other)
{
    Walker::resolveCollisionWith(other);
    if (other.isPlayer())
        other.kill();
}

void Didud::setHeading(float degrees)
{
    // NaN fails the comparison too, so it never becomes the heading.
    if (std::fabs(degrees) < Angles::kFullTurn)
        heading = degrees;
}

void Didud::stop()
{
    if (dead || gone)
        return;
    walking = false;
    forwardKey = false;
}

void Didud::walk()
{
    if (dead || gone)
        return;
    walking = true;
    stepWalkingGait();
}

void Didud::jump()
{
    if (gone || !mayJump())
        return;
    startJump();
    if (forwardKey)
        jumpForward = true;
}

void Didud::think()
{
    if (!target) {
        forwardOff();
        stop();
        return;
    }
    const SbVec3f chased = target->getPosition();
    const SbVec3f to = SbVec3f(chased[0], 0.0f, chased[2]) - SbVec3f(position[0], 0.0f, position[2]);
    const float distance = to.length();
    if (sightRange <= distance) {
        forwardOff();
        stop();
        return;
    }
    if (position[1] < chased[1] - kJumpAtHeightDifference)
        jump();
    // Straight below its target the Didud has no direction to turn to and
    // keeps its heading. Rounding can push the cosine just past 1.
    if (distance > 0.0f) {
        const float cosine = std::clamp(kHomeDirection.dot(to) / (distance * kHomeDirection.length()), -1.0f, 1.0f);
        float degrees = std::acos(cosine) * Angles::kDegreesPerRadian;
        if (kRightDirection.dot(to) < 0.0f)
            degrees = -degrees;
        setHeading(degrees);
    }
    forwardOn();
    walk();
}

void Didud::move()
{
    if (gone || dead)
        return;
    think();
    // While chasing, walk thus runs twice a step: in think and here.
    if (walking) {
        if (forwardKey)
            walk();
        else
            walking = false;
    }
    savePreviousPosition();
    stepHorizontally();
    stepVertically();
    commitNextPosition();
    advanceBlinking();
    noteFalling();
}

void Didud::kill()
{
    if (dead)
        return;
    walking = false;
    forwardKey = false;
    die();
}

void Didud::accept(ActorVisitor &visitor) const { visitor.visit(*this); }

void Didud::finishStep()
{
    if (gone)
        return;
    settleIdlePose();
    for (int turn = 0; dead && !gone && turn < kSpinTurnsPerStep; ++turn) {
        spinAngle += kSpinPerTurn;
        gone = spinAngle - heading >= kSpinToVanish;
    }
}
