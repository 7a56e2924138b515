#pragma once
#include "actors/Walker.h"

// The hero: walks and runs along its heading as the keys say, jumps with
// the latched directions, dies when killed, spins while dead and then
// restarts the level or ends the game. Carries a torch whose tip is OpenGL
// light 0. Has posed drawings for the two closing screens.
//
// Angles are degrees; speeds are distances per step.
class Player : public Walker {
public:
    Player(float x, float y, float z);
    ~Player() override;

    void reset() override;
    void move() override;
    // Draws the living or the dead figure (or only the torch light in first
    // person).
    void draw() override;
    bool isPlayer() const override { return true; }
    void kill() override;
    // Settles an idle figure's pose (when the figure is shown); once the
    // death spin is complete, restarts the current world and takes a life,
    // or asks for the game-over screen when none is left.
    void finishStep() override;

    void setHeading(float degrees) { heading = degrees; }

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
    // Written by the camera at the end of every step: false in first person,
    // where only the torch light is placed.
    void setVisible(bool shown) { visible = shown; }
    bool isVisible() const { return visible; }

    // The closing screens' posed figure.
    void victoryStep();
    void drawVictory();
    void drawDefeat();

    float getFlicker() const { return flicker; }
    float getHopHeight() const { return hopHeight; }

private:
    static constexpr float kRadius = 1.0f;

    void advanceFlicker();
    void settleIfShown();

    // The torch and its light (PlayerFigure.cpp); the poses (PlayerPoses.cpp).
    void drawLivingArms() override;
    void drawDeadArms() override;
    void placeTorchLightOnly();
    void placeDeadTorchLightOnly();
    void placeLightAlongTorchArm() const;
    void drawStandingTorch(SbVec3f offset);
    void poseTorchHand() const;
    void drawTorchHand(bool posed);
    void drawTorch(float constantAttenuation, float fadeAttenuation);
    void placeLight(float constantAttenuation, float fadeAttenuation) const;

    unsigned int happyHeadTexture = 0;
    float hopDirection = 1.0f;
    float hopAngle = 0.0f;
    float hopHeight = 0.0f;
    float flicker = 1.0f;
    float flickerDirection = 1.0f;
    bool visible = true;
    GLUquadric *torchQuadric = nullptr;
    // The torch's shapes, recorded once (its two end disks are one).
    enum TorchShape { kTorchDisk, kTorchCylinder, kTorchShapeCount };
    ShapeLists torchShapes{kTorchShapeCount};
};
