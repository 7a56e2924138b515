// The hero's gait, jump and landing state machine, stepped the way the
// level steps it: move, then the rectangle collisions.
#include "ActorTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using PlayerMotion = HeroTest;

TEST_F(PlayerMotion, WalkingSettlesAtOnePointZeroTwoAndRunningJustAboveThree)
{
    Player hero(0, 1, 0);
    hero.walk();
    EXPECT_EQ(hero.getWalkSpeed(), 0.5f + 0.02f);
    for (int i = 0; i < 100; ++i)
        hero.walk();
    EXPECT_EQ(hero.getWalkSpeed(), 1.0f + 0.02f);

    // Running gains 0.025 while at most 3.0; exact sums would end at 3.025,
    // float steps from 1.02 end at 3.02.
    for (int i = 0; i < 300; ++i)
        hero.run();
    const float top = hero.getWalkSpeed();
    EXPECT_GT(top, 3.0f);
    EXPECT_LE(top, 3.025f);
    hero.run();
    EXPECT_EQ(hero.getWalkSpeed(), top);
    // Releasing Shift walks again at walking pace.
    hero.stopRunning();
    hero.walk();
    EXPECT_EQ(hero.getWalkSpeed(), 1.0f + 0.02f);
}

TEST_F(PlayerMotion, JumpLiftCurveRisesThenFallsAndLands)
{
    auto floor = floorAt(0.0f);
    auto hero = standingHero(*floor);
    hero->jump();
    EXPECT_TRUE(hero->isJumping());
    EXPECT_TRUE(hero->isInAir());
    EXPECT_FALSE(hero->isOnGround());

    float lift = 1.0f;
    float y = hero->getPosition()[1];
    for (int i = 0; i < 20; ++i) {
        hero->jump(); // refused while a jump is under way
        step(*hero, {floor.get()});
        const float rise = hero->getPosition()[1] - y;
        ASSERT_NEAR(rise, 0.5f * lift, 1e-5f) << "step " << i;
        ASSERT_GT(rise, 0.0f);
        y = hero->getPosition()[1];
        lift -= 0.05f;
    }
    EXPECT_NEAR(y, 1.0f + 5.25f, 1e-4f); // 0.5 + 0.475 + ... + 0.025
    // The apex: the 21st step's lift is zero up to rounding, then it falls.
    step(*hero, {floor.get()});
    EXPECT_LE(hero->getPosition()[1], y);
    step(*hero, {floor.get()});
    EXPECT_NEAR(hero->getPosition()[1], y - 0.025f, 1e-5f);
    EXPECT_TRUE(hero->isJumping());

    int steps = 0;
    while (hero->isJumping() && steps < 100) {
        step(*hero, {floor.get()});
        ++steps;
    }
    EXPECT_LT(steps, 30);
    EXPECT_EQ(hero->getPosition(), SbVec3f(50, 1, 50));
    EXPECT_TRUE(hero->isOnGround());
    EXPECT_FALSE(hero->isInAir());
    EXPECT_FALSE(hero->isFalling());
}

TEST_F(PlayerMotion, JumpIsRefusedInTheStepAfterWalkingOffAnEdge)
{
    // A 4 x 4 ledge; heading 0 walks towards -z.
    Surface ledge(SbVec3f(0, 0, 0), SbVec3f(4, 0, 0), SbVec3f(0, 0, 4));
    auto hero = standingHero(ledge, 2.0f, 2.0f);
    hero->walk();
    hero->forwardOn();
    int steps = 0;
    while (step(*hero, {&ledge}) && steps < 100)
        ++steps;
    ASSERT_LT(steps, 100);
    EXPECT_LT(hero->getPosition()[2], 0.0f);
    EXPECT_TRUE(hero->isFalling());
    hero->jump();
    EXPECT_FALSE(hero->isJumping());
    EXPECT_FALSE(hero->isInAir());
}

TEST_F(PlayerMotion, AForwardJumpKeepsGoingAfterTheKeyIsReleasedUntilLanding)
{
    auto floor = floorAt(0.0f);
    auto hero = standingHero(*floor);
    hero->walk();
    hero->forwardOn();
    step(*hero, {floor.get()});
    hero->jump();
    hero->forwardOff();
    float z = hero->getPosition()[2];
    while (hero->isJumping()) {
        step(*hero, {floor.get()});
        ASSERT_LT(hero->getPosition()[2], z);
        z = hero->getPosition()[2];
    }
    // Landed: no key held, no latched direction, so it stands.
    step(*hero, {floor.get()});
    EXPECT_EQ(hero->getPosition()[2], z);
}

TEST_F(PlayerMotion, HeadingTurnsTheWalkingDirection)
{
    auto floor = floorAt(0.0f);
    auto hero = standingHero(*floor);
    hero->setHeading(90.0f); // forward is +x
    hero->walk();
    hero->forwardOn();
    step(*hero, {floor.get()});
    EXPECT_NEAR(hero->getPosition()[0], 50.0f + 0.25f * 0.54f, 1e-5f);
    EXPECT_NEAR(hero->getPosition()[2], 50.0f, 1e-5f);

    hero->forwardOff();
    hero->leftOn(); // left of +x is -z
    step(*hero, {floor.get()});
    EXPECT_LT(hero->getPosition()[2], 50.0f - 0.1f);
}

TEST_F(PlayerMotion, ResetReturnsToTheStartButKeepsJumpLatches)
{
    auto floor = floorAt(0.0f);
    auto hero = standingHero(*floor);
    hero->setStartPosition(SbVec3f(10, 5, 10));
    hero->setHeading(45.0f);
    hero->walk();
    hero->forwardOn();
    hero->jump();
    step(*hero, {floor.get()});
    hero->reset();
    EXPECT_EQ(hero->getPosition(), SbVec3f(10, 5, 10));
    EXPECT_EQ(hero->getHeading(), 0.0f);
    EXPECT_EQ(hero->getWalkSpeed(), 0.0f);
    EXPECT_FALSE(hero->isMovingForward());
    EXPECT_FALSE(hero->isJumping());
    EXPECT_TRUE(hero->isFalling());
    // The forward latch of the interrupted jump survives the reset: as soon
    // as the hero has speed again it is carried forward (-z) with no key
    // held, until it lands.
    hero->walk();
    step(*hero, {floor.get()});
    EXPECT_NEAR(hero->getPosition()[2], 10.0f - 0.25f * 0.52f, 1e-5f);
}
