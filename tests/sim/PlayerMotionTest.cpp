// The hero's gait and jump state machine, stepped the way the level steps
// it: move, then the rectangle collisions. The jump's lift curve, the
// heading and the forward latch in a real level: tests/levels/hero_motion.play.
#include "support/ActorTestSupport.h"

#include <gtest/gtest.h>

using PlayerMotion = HeroTest;

// The first step's 0.52 and full walking pace 1.02 are the replays'
// (hero_motion.play, level07_finish.play).
TEST_F(PlayerMotion, RunningStopsJustAboveThreeAndReleasingShiftWalksAgain)
{
    Player hero(0, 1, 0);
    // Running gains 0.025 while at most 3.0.
    for (int i = 0; i < 300; ++i)
        hero.run();
    const float top = hero.getWalkSpeed();
    EXPECT_GT(top, 3.0f);
    EXPECT_LE(top, 3.025f);
    hero.run();
    EXPECT_EQ(hero.getWalkSpeed(), top);
    hero.stopRunning();
    hero.walk();
    EXPECT_EQ(hero.getWalkSpeed(), 1.0f + 0.02f);
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
