#include "sim/Player.h"

#include "sim/ActorVisitor.h"
#include "sim/GameRegistry.h"
#include "sim/World.h"

namespace {
const FigureFiles kHeroFiles{"HeroHead.bmp",        "HeroBody.bmp",       "HeroFeet.bmp", "HeroHeadTot.bmp",
                             "HeroHeadTwinkle.bmp", "Sounds\\jump3.wav", "Sounds\\lost.wav"};

// Running gains kRunGain per step while at most kRunTop (so it tops out at
// 3.025) and turns the limb swing at +-kRunSwingLimit degrees without
// clamping.
constexpr float kRunTop = 3.0f;
constexpr float kRunGain = 0.025f;
constexpr float kRunSwingLimit = 65.0f;

// Death: degrees turned per step while dead, and the spin after which the
// level restarts (one and a half turns: 68 steps).
constexpr float kSpinPerStep = 8.0f;
constexpr float kSpinToRestart = 540.0f;

// Torch flicker runs between about 0.975 and 1.5 by kFlickerStep per step.
constexpr float kFlickerHigh = 1.5f;
constexpr float kFlickerLow = 1.0f;
constexpr float kFlickerStep = 0.025f;

// Victory hop on the high-score screen: height in world units per step up
// to kHopTop, limb swing in degrees per step.
constexpr float kHopTop = 0.5f;
constexpr float kHopStep = 0.025f;
constexpr float kHopSwing = 5.0f;
} // namespace

Player::Player(float x, float y, float z) : Walker(x, y, z, kRadius, kHeroFiles)
{
    happyHead = GameRegistry::loadTexture("HeroHeadHappy.bmp");
}

void Player::accept(ActorVisitor &visitor) const { visitor.visit(*this); }

FigurePose Player::pose() const
{
    FigurePose p = Walker::pose();
    p.flicker = flicker;
    return p;
}

// The jump-direction latches, blinking, visibility and the lift are left as
// they are.
void Player::reset()
{
    resetFigure();
    spinAngle = 0.0f;
}

void Player::walk()
{
    if (dead)
        return;
    walking = true;
    running = false;
    stepWalkingGait();
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
    if (!mayJump())
        return;
    startJump();
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
    stepHorizontally();
    stepVertically();
    commitNextPosition();

    advanceFlicker();
    advanceBlinking();
    noteFalling();
}

void Player::advanceFlicker()
{
    if (flicker >= kFlickerHigh || flicker < kFlickerLow)
        flickerDirection = -flickerDirection;
    flicker += flickerDirection * kFlickerStep;
}

void Player::kill() { die(); }

// A shown figure settles its pose, a figure in first person keeps it. The
// restart resets the figure, which then settles once more from its start.
void Player::finishStep()
{
    settleIfShown();
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
    settleIfShown();
}

void Player::settleIfShown()
{
    if (visible)
        settleIdlePose();
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
