// The Didud: its chase rule at the borders (sight range, jump height, no
// direction to turn to), the asymmetry of the actor pair pass, and its
// death spin, vanishing and return.
#include "support/ActorTestSupport.h"

#include "sim/Didud.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {
constexpr int kStepsToVanish = 34; // 540 degrees at 16 a step
const SbVec3f kHome(50, 1, 50);       // standing on the floor at y = 0
} // namespace

class DidudTest : public HeroTest {
protected:
    void SetUp() override
    {
        HeroTest::SetUp();
        floor = floorAt(0.0f);
    }

    // A Didud landed on the floor at kHome, chasing `target` within 10.
    std::unique_ptr<Didud> standingDidud(Entity *target)
    {
        auto didud = std::make_unique<Didud>(kHome[0], kHome[1], kHome[2], target, 10.0f);
        land(*didud);
        return didud;
    }

    void land(Didud &didud)
    {
        stepped(didud, kHome, kHome + SbVec3f(0, -0.5f, 0));
        ASSERT_TRUE(floor->testCollision(&didud));
        floor->resolveCollision(&didud);
        ASSERT_FALSE(didud.isFalling());
    }

    std::unique_ptr<Surface> floor;
};

TEST_F(DidudTest, ChaseRuleAtItsBorders)
{
    constexpr float kKept = 45.0f; // heading before the step
    struct Row {
        const char *name;
        SbVec3f target; // relative to the Didud
        bool chases;
        float heading;
        bool jumps;
    };
    const Row rows[] = {
        {"to +x", {5, 0, 0}, true, 90, false},
        {"to -x", {-5, 0, 0}, true, -90, false},
        {"behind (+z)", {0, 0, 5}, true, 180, false},
        {"exactly at the sight range", {0, 0, -10}, false, kKept, false},
        {"just inside the sight range", {0, 0, -9.99f}, true, 0, false},
        {"height does not count for sight", {0, 50, -9.99f}, true, 0, true},
        {"2.0 higher: no jump", {0, 2.0f, -5}, true, 0, false},
        {"2.01 higher: jump", {0, 2.01f, -5}, true, 0, true},
        {"straight above keeps the heading", {0, 5, 0}, true, kKept, true},
        {"straight below keeps the heading", {0, -5, 0}, true, kKept, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ProbeActor target(kHome + row.target);
        auto didud = standingDidud(&target);
        didud->setHeading(kKept);
        didud->think();
        EXPECT_EQ(didud->isWalkingForward(), row.chases);
        EXPECT_FLOAT_EQ(didud->getHeading(), row.heading);
        EXPECT_EQ(didud->isJumping(), row.jumps);
    }
}

TEST_F(DidudTest, StandsWithoutTargetAndRefusesFullTurns)
{
    Didud lone;
    lone.setPosition(kHome);
    lone.move();
    EXPECT_FALSE(lone.isWalkingForward());
    EXPECT_EQ(lone.getPosition()[0], kHome[0]);
    EXPECT_EQ(lone.getPosition()[2], kHome[2]);

    for (float refused : {360.0f, -360.0f, NAN, INFINITY}) {
        lone.setHeading(30.0f);
        lone.setHeading(refused);
        EXPECT_EQ(lone.getHeading(), 30.0f) << refused;
    }
}

// The level's pair pass resolves every ordered pair, the hero's first: his
// side only pushes the Didud away, to touching distance, and the Didud's
// side then kills him. Rounding must not leave the pushed pair apart, from
// whatever direction the Didud comes.
TEST_F(DidudTest, OnlyTheDidudsSideOfAPairKillsFromEveryDirection)
{
    Player hero(kHome[0], kHome[1], kHome[2]);
    auto didud = standingDidud(&hero);
    constexpr float kRadiansPerDegree = 3.14159265f / 180.0f;
    for (int degrees = 0; degrees < 360; degrees += 3)
        for (float distance : {0.3f, 1.2f, 1.49f}) {
            const float angle = float(degrees) * kRadiansPerDegree;
            didud->setPosition(kHome + SbVec3f(std::sin(angle), 0, -std::cos(angle)) * distance);
            ASSERT_TRUE(hero.collidesWith(*didud));
            hero.resolveCollisionWith(*didud);
            ASSERT_TRUE(didud->collidesWith(hero)) << degrees << " degrees, " << distance;
            EXPECT_NEAR((didud->getPosition() - hero.getPosition()).length(), 1.5f, 1e-5f);
        }
    EXPECT_FALSE(hero.isDead());
    EXPECT_FALSE(didud->isDead());
    didud->resolveCollisionWith(hero);
    EXPECT_TRUE(hero.isDead());
    EXPECT_FALSE(didud->isDead());
}

TEST_F(DidudTest, DyingKillsStillGoneTouchesNothingUntilReset)
{
    ProbeActor hero(kHome + SbVec3f(0, 0, -3));
    auto didud = standingDidud(&hero);
    didud->move(); // chasing: walks off its start
    ASSERT_NE(didud->getPosition(), kHome);
    didud->kill();
    const SbVec3f diedAt = didud->getPosition();

    for (int step = 1; step <= kStepsToVanish; ++step) {
        ASSERT_FALSE(didud->isGone()) << step;
        didud->move(); // the dead stand still
        EXPECT_EQ(didud->getPosition(), diedAt);
        EXPECT_TRUE(didud->collidesWithSphere(diedAt, 1.0f)) << "a spinning Didud still touches";
        didud->finishStep();
    }
    EXPECT_TRUE(didud->isGone());
    EXPECT_FALSE(didud->collidesWithSphere(diedAt, 1.0f));
    EXPECT_FALSE(didud->collidesWith(hero));
    didud->move();
    EXPECT_EQ(didud->getPosition(), diedAt);

    didud->reset();
    EXPECT_FALSE(didud->isGone());
    EXPECT_FALSE(didud->isDead());
    EXPECT_EQ(didud->getPosition(), kHome);
    EXPECT_EQ(didud->getHeading(), 0.0f);
}

