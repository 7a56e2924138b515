#pragma once
#include "actors/Entity.h"
#include "actors/Sound.h"
#include "render/ShapeLists.h"

struct GLUquadric;

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
// (legs, body, arms, head) with their own textures. What they hold in their
// hands and what steers them is their own.
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
    const Sound &getSound() const { return sound; }

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

    // Figure drawing (WalkerFigure.cpp). How a limb is posed:
    //   KeySwing - swung along the held directions on the ground, tilted
    //              while in the air (the living figure);
    //   Raised   - the first leg lifted by the angle, the mirrored one
    //              straight (the dead figure);
    //   Forward  - swung by the angle about x, the mirrored leg the other way;
    //   Still    - no rotation.
    enum class Limbs { KeySwing, Raised, Forward, Still };
    // Arms swing by this share of the legs' swing.
    static constexpr float kArmSwing = 0.5f;
    // The figure's centre sits kHipDrop above its hips; the shoulders sit
    // kShoulderDrop below the top of the body. World units.
    static constexpr float kHipDrop = 0.6f;
    static constexpr float kShoulderDrop = 0.05f;
    // Rings of the disks that close the body and the torch. A disk is flat
    // and lit per pixel, so rings inside it change nothing in the shaded
    // pass; in the outline pass a disk is drawn only when it faces away,
    // and then the closed body in front hides its inside. More rings would
    // only add lines for the renderer to throw away.
    static constexpr int kDiskRings = 1;
    void drawLivingFigure();
    void drawDeadFigure();
    // The arms of the two poses above, from the shoulders.
    virtual void drawLivingArms() = 0;
    virtual void drawDeadArms() = 0;
    void poseLimb(Limbs mode, float angle, bool mirrored, float inAirTilt) const;
    void applyKeySwing(float angle, float forwardSign, float sideSign) const;
    void drawLegs(Limbs mode, float angle);
    void drawLeg();
    void drawBody();
    void drawArm(Limbs mode, float angle);
    // Both arms, the second mirrored. Upside down: the caller has flipped y,
    // which turns the winding of both round.
    void drawPlainArms(Limbs mode, float angle, bool upsideDown = false);
    void drawHead(unsigned int texture, float turn);
    float headTurn() const;
    void beginTexture(unsigned int texture) const;
    void endTexture() const;
    void setColor(float r, float g, float b) const;
    void setLineWidth(float width) const;
    // A figure standing idle (not walking, running or in a directed jump;
    // when dead, not walking or running) drops its walk speed and limb swing,
    // at the end of a step.
    void settleIdlePose();
    bool anyDirectionKey() const;
    bool anyJumpDirection() const;

    const float radius;
    unsigned int clearTexture = 0;
    unsigned int headTexture = 0;
    unsigned int bodyTexture = 0;
    unsigned int feetTexture = 0;
    unsigned int deadHeadTexture = 0;
    unsigned int twinkleHeadTexture = 0;
    Sound sound; // source 0: jump, source 1: death

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
    GLUquadric *headQuadric = nullptr;
    GLUquadric *bodyQuadric = nullptr;
    GLUquadric *handQuadric = nullptr;
    // The quadrics' shapes, recorded once (the two body disks are one).
    enum Shape { kBodyDisk, kBodyCylinder, kHandSphere, kHeadSphere, kShapeCount };
    ShapeLists shapes{kShapeCount};

private:
    void land();
    void applyLandingRules();
};
