#pragma once
#include "sim/Walker.h"

// The enemy: a figure like the hero's, steered by a chase rule instead of
// keys. It stands until its target comes within sight range on the ground
// plane, then turns towards it and walks at it, jumps when the target is
// more than 2.0 higher, and kills the hero on contact (when the Didud's
// side of a touching pair is resolved). Killed itself (hazard, boulder,
// crush, fall) it spins, then vanishes until the level restarts; a gone
// Didud is neither moved, drawn nor touched by other actors.
//
// Angles are degrees; distances world units; one move() is one step.
class Didud : public Walker {
public:
    Didud();
    Didud(float x, float y, float z, Entity *target, float sightRange);

    void reset() override;
    bool collidesWithSphere(SbVec3f centre, float radius) override;
    bool collidesWith(Entity &other) override;
    // Pushes the other actor out; a hero pushed out is killed.
    void resolveCollisionWith(Entity &other) override;
    void move() override;
    // Drawn while not gone: dead or living.
    void accept(ActorVisitor &visitor) const override;
    bool isPlayer() const override { return false; }
    void kill() override;
    // Settles an idle figure's pose; while dead, the figure turns on by 16
    // degrees a step, in two turns of 8, and is gone as soon as a turn
    // completes one and a half turns.
    void finishStep() override;

    // Headings of a full turn or more are refused.
    void setHeading(float degrees);
    bool isGone() const { return gone; }
    float getSightRange() const { return sightRange; }
    bool isWalkingForward() const { return forwardKey; }

    // The chase rule, run at the start of every move.
    void think();
    void walk();
    void jump();
    void forwardOn() { forwardKey = true; }
    void forwardOff() { forwardKey = false; }
    // Stops walking, unless dead or gone.
    void stop();

private:
    Entity *target = nullptr;
    float sightRange = 0.0f;
    bool gone = false;
};
