#pragma once
#include "sim/Walker.h"

// The hero: walks and runs along its heading as the keys say, jumps with
// the latched directions, dies when killed, spins while dead and then
// restarts the level or ends the game. Carries a torch whose tip lights the
// level and whose flame flickers. Hops on the high-score screen.
//
// Angles are degrees; speeds are distances per step.
class Player : public Walker {
public:
    Player(float x, float y, float z);

    void reset() override;
    void move() override;
    void accept(ActorVisitor &visitor) const override;
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

    // The high-score screen's hop.
    void victoryStep();
    float getFlicker() const { return flicker; }
    float getHopHeight() const { return hopHeight; }
    float getHopAngle() const { return hopAngle; }
    FigurePose pose() const override;
    // Texture index of the happy head of the victory pose.
    unsigned int happyHeadTexture() const { return happyHead; }

private:
    static constexpr float kRadius = 1.0f;

    void advanceFlicker();
    void settleIfShown();

    unsigned int happyHead = 0;
    float hopDirection = 1.0f;
    float hopAngle = 0.0f;
    float hopHeight = 0.0f;
    float flicker = 1.0f;
    float flickerDirection = 1.0f;
    bool visible = true;
};
