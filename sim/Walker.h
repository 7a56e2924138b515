#pragma once
#include "core/FigurePose.h"
#include "sim/Entity.h"
#include "sim/SoundCues.h"

#include <memory>

// The figures' textures and sounds, as files of the run directory.
struct FigureFiles {
    const char *head;
    const char *body;
    const char *feet;
    const char *deadHead;
    const char *twinkleHead;
    const char *jumpSound;
    const char *deathSound;
};

// A figure on two legs: the hero and the Didud. Both walk along their
// heading with the same speed ramp and limb swing, jump with the same lift
// curve, fall under the shared gravity, land on faces by the same rules,
// blink, spin when killed, and are drawn as the same small toon figure
// (legs, body, arms, head; render/FigureDrawing) with their own textures.
// What they hold in their hands and what steers them is their own.
//
// Angles are degrees; speeds are distances per step.
class Walker : public Entity {
public:
    Walker(float x, float y, float z, float radius, const FigureFiles &files);
    ~Walker() override;
    Walker(const Walker &) = delete;
    Walker &operator=(const Walker &) = delete;

    bool collidesWithQuad(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB, SbVec3f normal) override;
    void resolveQuadCollision(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB,
                              SbVec3f normal) override;
    bool collidesWithSphere(SbVec3f centre, float radius) override;
    void resolveSphereCollision(SbVec3f centre, float radius) override;
    bool collidesWith(Entity &other) override;
    void resolveCollisionWith(Entity &other) override;

    float getHeading() const { return heading; }
    float getWalkSpeed() const { return walkSpeed; }
    void setStartPosition(SbVec3f point) { startPosition = point; }

    bool isDead() const { return dead; }
    float getSpinAngle() const { return spinAngle; }
    bool isOnGround() const { return onGround; }
    bool isInAir() const { return inAir; }
    bool isFalling() const { return falling; }
    bool isJumping() const;
    bool isBlinking() const { return blinking; }
    float getSwing() const { return swing; }

    // What its drawing reads, at the end of the last step.
    virtual FigurePose pose() const;
    // The figure's textures, as indices of the registry's texture list.
    struct Textures {
        unsigned int clear, head, body, feet, deadHead, twinkleHead;
    };
    Textures textures() const { return texture; }

protected:
    // One step of the walking ramp and the limb swing.
    void stepWalkingGait();
    // Jumps are refused while dead, during a jump and while falling.
    bool mayJump() const;
    // Plays the jump sound and starts the lift curve.
    void startJump();
    // Horizontal motion of one step along the held (or, in a jump, latched)
    // directions, on nextPosition.
    void stepHorizontally();
    // Vertical motion of one step (gravity or the jump's lift), on
    // nextPosition.
    void stepVertically();
    void advanceBlinking();
    // After the position was committed: sinking by a full gravity step or
    // more marks the figure as falling.
    void noteFalling();
    // Plays the death sound and starts the spin; once dead, nothing.
    // Returns whether the figure died now.
    bool die();
    // Back to standing idle at the start position, alive.
    void resetFigure();

    // A figure standing idle (not walking, running or in a directed jump;
    // when dead, not walking or running) drops its walk speed and limb swing,
    // at the end of a step.
    void settleIdlePose();
    bool anyDirectionKey() const;
    bool anyJumpDirection() const;

    const float radius;
    Textures texture{};
    // Cue 0: the jump, cue 1: the death; none without sound.
    std::unique_ptr<const SoundCues> sounds;

    float heading = 0.0f;
    float spinAngle = 0.0f;
    int blinkCounter = 0;
    float walkSpeed = 0.0f;
    float swing = 0.0f;
    float swingStep;
    float verticalState = 0.0f;
    float jumpLift = 0.0f;
    // Only the hero runs.
    bool running = false;
    bool walking = false;
    bool falling = true;
    // The directions held; the Didud only ever walks forward.
    bool forwardKey = false;
    bool backKey = false;
    bool leftKey = false;
    bool rightKey = false;
    bool dead = false;
    bool onGround = false;
    bool inAir = false;
    // Directions latched when a jump starts; landing clears them.
    bool jumpForward = false;
    bool jumpBack = false;
    bool jumpLeft = false;
    bool jumpRight = false;
    bool blinking = false;
    SbVec3f gravity;
    SbVec3f stepFall;

private:
    void playSound(int cue) const;
    void land();
    void applyLandingRules();
};
