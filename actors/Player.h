#pragma once
#include "actors/Entity.h"
#include "actors/Sound.h"

struct GLUquadric;

// The hero: walks and runs along its heading, jumps with a fixed lift
// curve, falls under the level's gravity, stands on faces through the
// shared rectangle collision, dies when killed, spins while dead and then
// restarts the level or ends the game. Drawn as a small toon figure with a
// torch whose tip is OpenGL light 0.
//
// Angles are degrees; speeds are distances per step.
class Player : public Entity {
public:
    Player(float x, float y, float z);
    ~Player() override;
    Player(const Player &) = delete;
    Player &operator=(const Player &) = delete;

    void reset() override;
    bool collidesWithQuad(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB, SbVec3f normal) override;
    void resolveQuadCollision(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB,
                              SbVec3f normal) override;
    bool collidesWithSphere(SbVec3f centre, float radius) override;
    void resolveSphereCollision(SbVec3f centre, float radius) override;
    bool collidesWith(Entity &other) override;
    void resolveCollisionWith(Entity &other) override;
    void move() override;
    // Draws the living or the dead figure, then advanceDrawnState.
    void draw() override;
    bool isPlayer() const override { return true; }
    void kill() override;
    // Once the death spin is complete: restarts the current world and takes
    // a life, or shows the game-over screen when none is left.
    void advanceDrawnState() override;

    void setHeading(float degrees) { heading = degrees; }
    float getHeading() const { return heading; }
    float getWalkSpeed() const { return walkSpeed; }
    void setStartPosition(SbVec3f point) { startPosition = point; }

    // Gait steps, run once per key event (auto-repeat included).
    void walk();
    void run();
    void stopRunning() { running = false; }
    void jump();

    void forwardOn() { forwardKey = true; }
    void forwardOff() { forwardKey = false; }
    void backOn() { backKey = true; }
    void backOff() { backKey = false; }
    void leftOn() { leftKey = true; }
    void leftOff() { leftKey = false; }
    void rightOn() { rightKey = true; }
    void rightOff() { rightKey = false; }
    bool isMovingForward() const { return forwardKey; }
    bool isDead() const { return dead; }
    // Written by the camera every frame: false in first person, where only
    // the torch light is placed.
    void setVisible(bool shown) { visible = shown; }
    bool isVisible() const { return visible; }

    // The closing screens' posed figure.
    void victoryStep();
    void drawVictory();
    void drawDefeat();

    // Read access for the level, the camera and tests.
    float getSpinAngle() const { return spinAngle; }
    bool isOnGround() const { return onGround; }
    bool isInAir() const { return inAir; }
    bool isFalling() const { return falling; }
    bool isJumping() const;
    bool isBlinking() const { return blinking; }
    float getFlicker() const { return flicker; }
    float getSwing() const { return swing; }
    float getHopHeight() const { return hopHeight; }
    const Sound &getSound() const { return sound; }

private:
    static constexpr float kRadius = 1.0f;

    bool anyDirectionKey() const;
    bool anyJumpDirection() const;
    void land();
    void applyLandingRules();
    void advanceFlicker();
    void advanceBlinking();

    // Figure drawing: the parts in PlayerFigure.cpp, the whole poses in
    // PlayerPoses.cpp. How a limb is posed:
    //   KeySwing - swung along the held direction keys on the ground,
    //              tilted while in the air (the living figure);
    //   Raised   - the first leg lifted by the angle, the mirrored one
    //              straight (the dead figure);
    //   Forward  - swung by the angle about x, the mirrored leg the other way;
    //   Still    - no rotation.
    enum class Limbs { KeySwing, Raised, Forward, Still };
    void drawLivingFigure();
    void drawDeadFigure();
    void placeTorchLightOnly();
    void placeDeadTorchLightOnly();
    void placeLightAlongTorchArm() const;
    void drawStandingTorch(SbVec3f offset);
    void poseLimb(Limbs mode, float angle, bool mirrored, float inAirTilt) const;
    void applyKeySwing(float angle, float forwardSign, float sideSign) const;
    void poseTorchHand() const;
    void drawLegs(Limbs mode, float angle);
    void drawLeg();
    void drawBody();
    void drawArm(Limbs mode, float angle);
    void drawPlainArms(Limbs mode, float angle);
    void drawTorchHand(bool posed);
    void drawTorch(float constantAttenuation, float fadeAttenuation);
    void drawHead(unsigned int texture, float turn);
    float headTurn() const;
    void placeLight(float constantAttenuation, float fadeAttenuation) const;
    void beginTexture(unsigned int texture) const;
    void endTexture() const;
    void setColor(float r, float g, float b) const;
    void setLineWidth(float width) const;

    unsigned int clearTexture = 0;
    float heading = 0.0f;
    float spinAngle = 0.0f;
    unsigned int headTexture = 0;
    unsigned int bodyTexture = 0;
    unsigned int feetTexture = 0;
    unsigned int deadHeadTexture = 0;
    unsigned int happyHeadTexture = 0;
    unsigned int twinkleHeadTexture = 0;
    Sound sound; // source 0: jump, source 1: death
    int blinkCounter = 0;
    float walkSpeed = 0.0f;
    float swing = 0.0f;
    float swingStep = 2.5f;
    float verticalState = 0.0f;
    float jumpLift = 0.0f;
    float hopDirection = 1.0f;
    float hopAngle = 0.0f;
    float hopHeight = 0.0f;
    float flicker = 1.0f;
    float flickerDirection = 1.0f;
    bool running = false;
    bool walking = false;
    bool falling = true;
    bool forwardKey = false;
    bool backKey = false;
    bool leftKey = false;
    bool rightKey = false;
    bool dead = false;
    bool onGround = false;
    bool inAir = false;
    bool jumpForward = false;
    bool jumpBack = false;
    bool jumpLeft = false;
    bool jumpRight = false;
    bool blinking = false;
    bool visible = true;
    SbVec3f gravity;
    SbVec3f stepFall;
    GLUquadric *headQuadric = nullptr;
    GLUquadric *bodyQuadric = nullptr;
    GLUquadric *handQuadric = nullptr;
    GLUquadric *torchQuadric = nullptr;
};
