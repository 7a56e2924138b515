// The boulder: its rectangle test (radius reach, both sides, no crush) and
// how it starts over when killed. Runs with the levels' gravity. Rolling
// down a ramp and killing the hero: tests/levels/level04_boulder_death.play;
// a harmless one pushed by the hero, keeping half its step as velocity on
// the same face, killing nobody, and at rest on a button that keeps a door
// open: level05_boulder_button.play; none kept on a face with another
// normal: level05_finish.play.
#include "sim/Boulder.h"
#include "support/ActorTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
// A slope rising along +x (one up for two across), 20 x 10 from (0, 0, -5);
// its unit normal points up and towards -x, so balls roll towards -x.
const SbVec3f kSlopeCorner(0, 0, -5), kSlopeA(20, 10, 0), kSlopeB(0, 0, 10);
const SbVec3f kSlopeNormal = SbVec3f(-1, 2, 0) / std::sqrt(5.0f);

// A 10 x 10 floor in y = 0 from the origin, front side up.
const SbVec3f kFloorCorner(0, 0, 0), kFloorA(10, 0, 0), kFloorB(0, 0, 10), kUp(0, 1, 0);

// One step of a boulder alone on the slope; false when it missed the slope.
bool rollOnSlope(Boulder &boulder)
{
    boulder.move();
    if (!boulder.collidesWithQuad(kSlopeCorner, kSlopeA, kSlopeB, kSlopeNormal))
        return false;
    boulder.resolveQuadCollision(kSlopeCorner, kSlopeA, kSlopeB, kSlopeNormal);
    return true;
}

// A ball of radius 1 resting on the slope above x = 15.
SbVec3f restingOnSlope() { return SbVec3f(15, 7.5f, 0) + kSlopeNormal; }
} // namespace

using BoulderTest = HeroTest;

TEST_F(BoulderTest, FallingBelowZeroAndBeingKilledStartsItOverAtRest)
{
    Boulder boulder(restingOnSlope(), 1.0f);
    for (int step = 0; step < 5; ++step)
        ASSERT_TRUE(rollOnSlope(boulder));
    ASSERT_GT(boulder.getVelocity().length(), 0.5f);

    boulder.kill(); // as the level's fall test or a hazard does
    EXPECT_EQ(boulder.getPosition(), restingOnSlope());
    EXPECT_EQ(boulder.getVelocity(), SbVec3f(0, 0, 0));
    boulder.move();
    EXPECT_EQ(boulder.getPosition(), restingOnSlope() + SbVec3f(0, -0.5f, 0));

    // Killed in the middle of a collision pass, it does not sweep back to
    // its start: a floor between the two does not catch it.
    Boulder falling(SbVec3f(10, 2, 10), 1.0f);
    falling.setPosition(SbVec3f(10, -0.5f, 10));
    falling.kill();
    EXPECT_EQ(falling.getPosition(), SbVec3f(10, 2, 10));
    EXPECT_FALSE(falling.collidesWithQuad(SbVec3f(0, 0.5f, 0), kFloorA, kFloorB, kUp));
}

TEST_F(BoulderTest, RectangleTestReachesFromBothSidesButNeverAlongTheFace)
{
    Boulder boulder(SbVec3f(5, 1.5f, 5), 1.0f);
    // Sweep (2, 0, 0): exactly parallel to the floor.
    stepped(boulder, SbVec3f(5, 1.5f, 5), SbVec3f(7, 2.5f, 5));
    EXPECT_FALSE(boulder.collidesWithQuad(kFloorCorner, kFloorA, kFloorB, kUp));

    // Rising through the floor from below counts, and the ball is put on
    // the front side.
    stepped(boulder, SbVec3f(5, -0.2f, 5), SbVec3f(5, 1.5f, 5));
    ASSERT_TRUE(boulder.collidesWithQuad(kFloorCorner, kFloorA, kFloorB, kUp));
    boulder.resolveQuadCollision(kFloorCorner, kFloorA, kFloorB, kUp);
    EXPECT_EQ(boulder.getPosition(), SbVec3f(5, 1, 5));

    // A hit far from the new position does not crush a boulder.
    stepped(boulder, SbVec3f(5, 4.5f, 5), SbVec3f(5, -4, 5));
    EXPECT_TRUE(boulder.collidesWithQuad(kFloorCorner, kFloorA, kFloorB, kUp));
    EXPECT_EQ(boulder.getPosition(), SbVec3f(5, -4, 5));
}
