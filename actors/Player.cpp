#include "actors/Player.h"

#include "app/GameRegistry.h"
#include "render/GL.h"
#include "world/World.h"

#include <cmath>

namespace {
constexpr float kRadiansPerDegree = 3.14159265358979323846f / 180.0f;

// Gait, per step: walking starts at kWalkStart and creeps up by kWalkGain
// until it passes kWalkTop (so steady walking settles at 1.02); running
// gains kRunGain while at most kRunTop (so it tops out at 3.025). The
// distance covered per step is kStride * walkSpeed.
constexpr float kWalkStart = 0.5f;
constexpr float kWalkTop = 1.0f;
constexpr float kWalkGain = 0.02f;
constexpr float kRunTop = 3.0f;
constexpr float kRunGain = 0.025f;
constexpr float kStride = 0.25f;
// Limb swing in degrees: walking keeps it within +-45 (clamped), running
// turns at +-65 without clamping. kSwingStepStart per unit of walkSpeed.
constexpr float kWalkSwingLimit = 45.0f;
constexpr float kRunSwingLimit = 65.0f;
constexpr float kSwingStepStart = 2.5f;

// Jump: verticalState holds kJumpMarker while a jump is under way; the lift
// starts at 1.0 (times -gravity per step) and loses kLiftLoss every step.
constexpr float kJumpMarker = 5.0f;
constexpr float kJumpLiftStart = 1.0f;
constexpr float kLiftLoss = 0.05f;
// Slack of the first landing rule, world units.
constexpr float kLandingSlack = 0.01f;

// Death: degrees turned per step while dead, and the spin after which the
// level restarts (one and a half turns: 68 steps).
constexpr float kSpinPerStep = 8.0f;
constexpr float kSpinToRestart = 540.0f;

// Torch flicker runs between about 0.975 and 1.5 by kFlickerStep per step.
constexpr float kFlickerHigh = 1.5f;
constexpr float kFlickerLow = 1.0f;
constexpr float kFlickerStep = 0.025f;
// Eyes close for kBlinkSteps steps every kBlinkInterval steps.
constexpr int kBlinkInterval = 100;
constexpr int kBlinkSteps = 5;

// Victory hop on the high-score screen: height in world units per step up
// to kHopTop, limb swing in degrees per step.
constexpr float kHopTop = 0.5f;
constexpr float kHopStep = 0.025f;
constexpr float kHopSwing = 5.0f;
} // namespace

Player::Player(float x, float y, float z) : Entity(x, y, z)
{
    clearTexture = GameRegistry::loadTextureName("clear.bmp");
    headTexture = GameRegistry::loadTextureName("HeroHead.bmp");
    bodyTexture = GameRegistry::loadTextureName("HeroBody.bmp");
    feetTexture = GameRegistry::loadTextureName("HeroFeet.bmp");
    deadHeadTexture = GameRegistry::loadTextureName("HeroHeadTot.bmp");
    happyHeadTexture = GameRegistry::loadTextureName("HeroHeadHappy.bmp");
    twinkleHeadTexture = GameRegistry::loadTextureName("HeroHeadTwinkle.bmp");

    headQuadric = gluNewQuadric();
    gluQuadricTexture(headQuadric, GL_TRUE);
    bodyQuadric = gluNewQuadric();
    gluQuadricTexture(bodyQuadric, GL_TRUE);
    handQuadric = gluNewQuadric();
    torchQuadric = gluNewQuadric();
    gluQuadricOrientation(torchQuadric, GLU_INSIDE);

    gravity = GameRegistry::getGravity();
    stepFall = gravity;
    verticalState = gravity[1];
    sound.setUp("Sounds\\jump3.wav", "Sounds\\lost.wav");
}

Player::~Player()
{
    for (GLUquadric *quadric : {headQuadric, bodyQuadric, handQuadric, torchQuadric})
        gluDeleteQuadric(quadric);
}

void Player::reset()
{
    setPosition(startPosition);
    heading = 0.0f;
    spinAngle = 0.0f;
    swing = 0.0f;
    walkSpeed = 0.0f;
    swingStep = kSwingStepStart;
    verticalState = gravity[1];
    onGround = inAir = running = walking = false;
    forwardKey = backKey = leftKey = rightKey = false;
    dead = false;
    falling = true;
}

bool Player::collidesWithQuad(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB, SbVec3f normal)
{
    return sweptQuadContact(corner, edgeA, edgeB, normal);
}

void Player::resolveQuadCollision(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB, SbVec3f normal)
{
    restInFrontOfQuad(corner, edgeA, edgeB, normal);
    applyLandingRules();
}

bool Player::collidesWithSphere(SbVec3f centre, float radius)
{
    return spheresTouch(centre, radius, kRadius);
}

void Player::resolveSphereCollision(SbVec3f centre, float radius)
{
    pushOutOfSphere(centre, radius, kRadius);
}

bool Player::collidesWith(Entity &other) { return other.collidesWithSphere(position, kRadius); }

void Player::resolveCollisionWith(Entity &other) { other.resolveSphereCollision(position, kRadius); }

bool Player::anyDirectionKey() const { return forwardKey || backKey || leftKey || rightKey; }

bool Player::anyJumpDirection() const { return jumpForward || jumpBack || jumpLeft || jumpRight; }

bool Player::isJumping() const { return verticalState != gravity[1]; }

void Player::walk()
{
    if (dead)
        return;
    walking = true;
    running = false;
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

void Player::run()
{
    if (dead)
        return;
    running = true;
    walking = false;
    if (walkSpeed <= kRunTop)
        walkSpeed += kRunGain;
    if (swing < -kRunSwingLimit || swing >= kRunSwingLimit)
        swingStep = -swingStep;
    swing += swingStep * walkSpeed;
}

void Player::jump()
{
    if (dead || verticalState != gravity[1] || falling)
        return;
    sound.play(0);
    onGround = false;
    inAir = true;
    jumpLift = kJumpLiftStart;
    verticalState = kJumpMarker;
    // Held keys latch their jump direction; a latch is only ever cleared by
    // landing (reset leaves it, as the hero's restart always did).
    jumpForward = jumpForward || forwardKey;
    jumpBack = jumpBack || backKey;
    jumpLeft = jumpLeft || leftKey;
    jumpRight = jumpRight || rightKey;
}

void Player::move()
{
    if (dead) {
        spinAngle += kSpinPerStep;
        return;
    }
    if (walking) {
        if (!anyDirectionKey())
            walking = false;
        else
            walk();
    }
    if (running) {
        if (!anyDirectionKey())
            running = false;
        else
            run();
    }
    savePreviousPosition();

    const float h = heading * kRadiansPerDegree;
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
    commitNextPosition();

    advanceFlicker();
    advanceBlinking();
    if (position[1] <= previousPosition[1] + gravity[1])
        falling = true;
}

void Player::advanceFlicker()
{
    if (flicker >= kFlickerHigh || flicker < kFlickerLow)
        flickerDirection = -flickerDirection;
    flicker += flickerDirection * kFlickerStep;
}

void Player::advanceBlinking()
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

void Player::land()
{
    falling = false;
    verticalState = gravity[1];
    inAir = false;
    onGround = true;
    jumpForward = jumpBack = jumpLeft = jumpRight = false;
}

// Run after the hero was put 1.0 in front of a face. The face "held" the
// hero when it ended up higher than this step's vertical motion alone
// would have taken it.
void Player::applyLandingRules()
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

void Player::kill()
{
    if (dead)
        return;
    sound.play(1);
    spinAngle = heading;
    dead = true;
}

void Player::draw()
{
    if (dead)
        drawDeadFigure();
    else
        drawLivingFigure();
    advanceDrawnState();
}

void Player::advanceDrawnState()
{
    if (!dead || spinAngle - heading < kSpinToRestart)
        return;
    if (World *world = GameRegistry::currentWorld())
        world->restart();
    else
        reset(); // no world to restart (tools, tests): do not count the death twice
    if (GameRegistry::getLives() >= 1)
        GameRegistry::setLives(GameRegistry::getLives() - 1);
    else
        GameRegistry::showLastWorld();
}

void Player::victoryStep()
{
    if (hopHeight >= kHopTop)
        hopDirection = -1.0f;
    if (hopHeight <= 0.0f)
        hopDirection = 1.0f;
    hopHeight += hopDirection * kHopStep;
    hopAngle += hopDirection * kHopSwing;
}
