#pragma once
#include "sim/Entity.h"

// An actor that answers every rectangle test with `touching` and records
// what boundaries hand it, so that tests can see the rectangle, the normal
// and the kills a boundary produces. It never moves by itself.
class TouchRecorder : public Entity {
public:
    struct Quad {
        SbVec3f corner, edgeA, edgeB, normal;
    };

    explicit TouchRecorder(bool player = false) : player(player) {}

    void reset() override {}
    bool collidesWithQuad(SbVec3f c, SbVec3f a, SbVec3f b, SbVec3f n) override
    {
        tested = {c, a, b, n};
        return touching;
    }
    void resolveQuadCollision(SbVec3f c, SbVec3f a, SbVec3f b, SbVec3f n) override
    {
        resolved = {c, a, b, n};
        ++resolutions;
    }
    bool collidesWithSphere(SbVec3f, float) override { return false; }
    void resolveSphereCollision(SbVec3f, float) override {}
    bool collidesWith(Entity &) override { return false; }
    void resolveCollisionWith(Entity &) override {}
    void move() override {}
    bool isPlayer() const override { return player; }
    void kill() override { ++kills; }

    bool player;
    bool touching = true;
    Quad tested{};
    Quad resolved{};
    int resolutions = 0;
    int kills = 0;
};
