#pragma once
#include "core/WarningBox.h"
#include "sim/Entity.h"
#include "sim/GameRegistry.h"
#include "sim/Player.h"
#include "sim/Surface.h"
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// Places the actor as if one step had taken it from `from` to `to`.
inline void stepped(Entity &actor, SbVec3f from, SbVec3f to)
{
    actor.setPosition(from);
    actor.savePreviousPosition();
    actor.setPosition(to);
}

// A bare actor for the shared collision mathematics: the walking figures'
// rectangle test and push-out, and the sphere contact with a chosen radius.
class ProbeActor : public Entity {
public:
    explicit ProbeActor(SbVec3f at, float radius = 1.0f) : Entity(at), radius(radius) {}

    void reset() override {}
    bool collidesWithQuad(SbVec3f c, SbVec3f a, SbVec3f b, SbVec3f n) override
    {
        return sweptQuadContact(c, a, b, n);
    }
    void resolveQuadCollision(SbVec3f c, SbVec3f a, SbVec3f b, SbVec3f n) override
    {
        restInFrontOfQuad(c, a, b, n);
    }
    bool collidesWithSphere(SbVec3f c, float r) override { return spheresTouch(c, r, radius); }
    void resolveSphereCollision(SbVec3f c, float r) override { pushOutOfSphere(c, r, radius); }
    bool collidesWith(Entity &other) override { return other.collidesWithSphere(position, radius); }
    void resolveCollisionWith(Entity &other) override
    {
        other.resolveSphereCollision(position, radius);
    }
    void move() override {}
    bool isPlayer() const override { return false; }
    void kill() override { ++kills; }

    float radius;
    int kills = 0;
};

// A registry with the levels' gravity, and warning boxes recorded instead
// of shown. No GL and no sound: a hero is simulation alone.
class HeroTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registry = std::make_unique<GameRegistry>();
        GameRegistry::setGravity(0.0f, -0.5f, 0.0f);
        setWarningBoxHook([this](const std::string &, const std::string &text) {
            warnings.push_back(text);
        });
    }
    void TearDown() override
    {
        setWarningBoxHook({});
        registry.reset();
    }

    // A 100 x 100 floor at height y, front side up.
    static std::unique_ptr<Surface> floorAt(float y)
    {
        return std::make_unique<Surface>(SbVec3f(0, y, 0), SbVec3f(100, y, 0), SbVec3f(0, y, 100));
    }

    // One simulation step as the level runs it for a lone hero: his move,
    // his collisions with the faces, the end of his step. Returns whether a
    // face was touched.
    static bool step(Player &hero, const std::vector<Surface *> &faces)
    {
        hero.move();
        bool touched = false;
        for (Surface *face : faces)
            if (face->testCollision(&hero)) {
                face->resolveCollision(&hero);
                touched = true;
            }
        hero.finishStep();
        return touched;
    }

    // A hero standing on the floor at y = 0 at (x, 1, z), landed.
    std::unique_ptr<Player> standingHero(Surface &floor, float x = 50.0f, float z = 50.0f)
    {
        auto hero = std::make_unique<Player>(x, 1.0f, z);
        step(*hero, {&floor});
        return hero;
    }

    std::unique_ptr<GameRegistry> registry;
    std::vector<std::string> warnings;
};
