#include "sim/Walker.h"

#include "core/Angles.h"
#include "sim/GameRegistry.h"

#include <cmath>

namespace {

// Gait, per step: walking starts at kWalkStart and creeps up by kWalkGain
// until it passes kWalkTop (so steady walking settles at 1.02). The
// distance covered per step is kStride * walkSpeed.
constexpr float kWalkStart = 0.5f;
constexpr float kWalkTop = 1.0f;
constexpr float kWalkGain = 0.02f;
constexpr float kStride = 0.25f;
// Limb swing in degrees: walking keeps it within +-45 (clamped).
// kSwingStepStart per unit of walkSpeed.
constexpr float kWalkSwingLimit = 45.0f;
constexpr float kSwingStepStart = 2.5f;

// Jump: verticalState holds kJumpMarker while a jump is under way; the lift
// starts at 1.0 (times -gravity per step) and loses kLiftLoss every step.
constexpr float kJumpMarker = 5.0f;
constexpr float kJumpLiftStart = 1.0f;
constexpr float kLiftLoss = 0.05f;
// Slack of the first landing rule, world units.
constexpr float kLandingSlack = 0.01f;

// Limb swing step that an idle figure restarts from, degrees.
constexpr float kIdleSwingStep = 5.0f;

// Eyes close for kBlinkSteps steps every kBlinkInterval steps.
constexpr int kBlinkInterval = 100;
constexpr int kBlinkSteps = 5;
} // namespace

Walker::Walker(float x, float y, float z, float ownRadius, const FigureFiles &files)
    : Entity(x, y, z), radius(ownRadius), swingStep(kSwingStepStart)
{
    texture.clear = GameRegistry::loadTexture("clear.bmp");
    texture.head = GameRegistry::loadTexture(files.head);
    texture.body = GameRegistry::loadTexture(files.body);
    texture.feet = GameRegistry::loadTexture(files.feet);
    texture.deadHead = GameRegistry::loadTexture(files.deadHead);
    texture.twinkleHead = GameRegistry::loadTexture(files.twinkleHead);

    gravity = GameRegistry::getGravity();
    stepFall = gravity;
    verticalState = gravity[1];
    sounds = GameRegistry::makeSounds(files.jumpSound, files.deathSound);
}

Walker::~Walker() = default;

void Walker::playSound(int cue) const
{
    if (sounds)
        sounds->play(cue);
}

FigurePose Walker::pose() const
{
    FigurePose p;
    p.position = position;
    p.heading = heading;
    p.swing = swing;
    p.walkSpeed = walkSpeed;
    p.spinAngle = spinAngle;
    p.walking = walking;
    p.running = running;
    p.onGround = onGround;
    p.inAir = inAir;
    p.blinking = blinking;
    p.dead = dead;
    p.forwardKey = forwardKey;
    p.backKey = backKey;
    p.leftKey = leftKey;
    p.rightKey = rightKey;
    return p;
}

void Walker::resetFigure()
{
    setPosition(startPosition);
    heading = 0.0f;
    swing = 0.0f;
    walkSpeed = 0.0f;
    swingStep = kSwingStepStart;
    verticalState = gravity[1];
    onGround = inAir = running = walking = false;
    forwardKey = backKey = leftKey = rightKey = false;
    dead = false;
    falling = true;
}

bool Walker::collidesWithQuad(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB, SbVec3f normal)
{
    return sweptQuadContact(corner, edgeA, edgeB, normal);
}

void Walker::resolveQuadCollision(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB, SbVec3f normal)
{
    restInFrontOfQuad(corner, edgeA, edgeB, normal);
    applyLandingRules();
}

bool Walker::collidesWithSphere(SbVec3f centre, float otherRadius)
{
    return spheresTouch(centre, otherRadius, radius);
}

void Walker::resolveSphereCollision(SbVec3f centre, float otherRadius)
{
    pushOutOfSphere(centre, otherRadius, radius);
}

bool Walker::collidesWith(Entity &other) { return other.collidesWithSphere(position, radius); }

void Walker::resolveCollisionWith(Entity &other) { other.resolveSphereCollision(position, radius); }

bool Walker::anyDirectionKey() const { return forwardKey || backKey || leftKey || rightKey; }

bool Walker::anyJumpDirection() const { return jumpForward || jumpBack || jumpLeft || jumpRight; }

bool Walker::isJumping() const { return verticalState != gravity[1]; }

void Walker::stepWalkingGait()
{
    if (walkSpeed == 0.0f)
        walkSpeed = kWalkStart;
    if (walkSpeed > kWalkTop)
        walkSpeed = kWalkTop;
    if (walkSpeed <= kWalkTop)
        walkSpeed += kWalkGain;
    if (swing < -kWalkSwingLimit) {
        swing = -kWalkSwingLimit;
        swingStep = -swingStep;
    } else if (swing >= kWalkSwingLimit) {
        swing = kWalkSwingLimit;
        swingStep = -swingStep;
    }
    swing += swingStep * walkSpeed;
}

bool Walker::mayJump() const { return !dead && verticalState == gravity[1] && !falling; }

void Walker::startJump()
{
    playSound(0);
    onGround = false;
    inAir = true;
    jumpLift = kJumpLiftStart;
    verticalState = kJumpMarker;
}

void Walker::stepHorizontally()
{
    const float h = heading * Angles::kRadiansPerDegree;
    const SbVec3f forward(std::sin(h), 0.0f, -std::cos(h));
    const SbVec3f left(-std::cos(h), 0.0f, -std::sin(h));
    const float stride = kStride * walkSpeed;
    if (forwardKey || jumpForward)
        nextPosition += forward * stride;
    if (backKey || jumpBack)
        nextPosition -= forward * stride;
    if (leftKey || jumpLeft)
        nextPosition += left * stride;
    if (rightKey || jumpRight)
        nextPosition -= left * stride;
}

void Walker::stepVertically()
{
    // Exact comparison on purpose: verticalState holds gravity.y itself
    // whenever no jump is under way.
    if (verticalState == gravity[1]) {
        nextPosition += gravity;
        stepFall = gravity;
    } else {
        stepFall = -jumpLift * gravity;
        nextPosition += stepFall;
        verticalState -= jumpLift * gravity[1];
        jumpLift -= kLiftLoss;
    }
}

void Walker::advanceBlinking()
{
    if (blinkCounter >= kBlinkInterval && !blinking) {
        blinking = true;
        blinkCounter = 0;
    }
    if (blinkCounter >= kBlinkSteps && blinking) {
        blinking = false;
        blinkCounter = 0;
    }
    ++blinkCounter;
}

void Walker::noteFalling()
{
    if (position[1] <= previousPosition[1] + gravity[1])
        falling = true;
}

void Walker::land()
{
    falling = false;
    verticalState = gravity[1];
    inAir = false;
    onGround = true;
    jumpForward = jumpBack = jumpLeft = jumpRight = false;
}

// Run after the figure was put 1.0 in front of a face. The face "held" the
// figure when it ended up higher than this step's vertical motion alone
// would have taken it.
void Walker::applyLandingRules()
{
    const float previousY = previousPosition[1];
    const float y = position[1];
    if (previousY < y - stepFall[1] - kLandingSlack)
        land();
    if (y == previousY && falling) {
        land();
    } else if (previousY < y - gravity[1] && falling) {
        land();
    } else if (previousY >= y && falling) {
        inAir = true;
        onGround = false;
    } else if (verticalState == gravity[1]) {
        falling = false;
        inAir = false;
        onGround = true;
    }
}

bool Walker::die()
{
    if (dead)
        return false;
    playSound(1);
    spinAngle = heading;
    dead = true;
    return true;
}

void Walker::settleIdlePose()
{
    const bool idle = !walking && !running && (dead || !anyJumpDirection());
    if (!idle)
        return;
    walkSpeed = 0.0f;
    swing = 0.0f;
    swingStep = kIdleSwingStep;
}
