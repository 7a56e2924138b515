// The collision mathematics every actor shares: the frame solver, the
// walking figures' rectangle test and push-out, and sphere contact. No GL,
// no registry.
#include "ActorTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
bool allFinite(SbVec3f v)
{
    return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

// A 10 x 10 floor in y = 0 from the origin, front side up.
const SbVec3f kCorner(0, 0, 0), kEdgeA(10, 0, 0), kEdgeB(0, 0, 10), kUp(0, 1, 0);
} // namespace

TEST(SolveFrame, ZeroPivotsAreSwappedAwayForAxisAlignedFaces)
{
    // Floor with a vertical probe: the y row holds only the probe column,
    // so row 1 has a zero pivot until rows 1 and 2 are swapped.
    const SbVec3f stu =
        Entity::solveFrame(kCorner, kEdgeA, kEdgeB, SbVec3f(0, 1, 0), SbVec3f(3, 1.5f, 7));
    EXPECT_EQ(stu, SbVec3f(0.3f, 0.7f, 1.5f));

    // Every row starts with a zero pivot: a wall in the plane x = 4 whose
    // edges run along y and z, probed along x.
    const SbVec3f wall = Entity::solveFrame(SbVec3f(4, 0, 0), SbVec3f(0, 2, 0), SbVec3f(0, 0, 5),
                                            SbVec3f(-1, 0, 0), SbVec3f(6, 1, 1));
    EXPECT_EQ(wall, SbVec3f(0.5f, 0.2f, -2.0f));
}

TEST(SolveFrame, SeveralPivotCandidatesEndWithTheLastOneAndStillSolve)
{
    // Column 0 is zero on the diagonal and non-zero in rows 1 and 2: both
    // are swapped up in turn.
    const SbVec3f a(0, 1, 2), b(1, 0, 0), c(0, 0, 1);
    const SbVec3f p = a * 3.0f + b * 5.0f + c * 7.0f;
    EXPECT_EQ(Entity::solveFrame(SbVec3f(0, 0, 0), a, b, c, p), SbVec3f(3, 5, 7));
}

TEST(SolveFrame, SingularSystemsGiveNonFiniteResults)
{
    // Probe direction lying in the face's plane.
    EXPECT_FALSE(allFinite(
        Entity::solveFrame(kCorner, kEdgeA, kEdgeB, SbVec3f(1, 0, 0), SbVec3f(1, 1, 1))));
    // Degenerate face: both edges parallel.
    EXPECT_FALSE(allFinite(
        Entity::solveFrame(kCorner, kEdgeA, SbVec3f(5, 0, 0), kUp, SbVec3f(1, 1, 1))));
}

TEST(SolveFrame, PivotsAreOnlyArrangedBeforeEliminationNeverDuring)
{
    // Regular (determinant -1), but the elimination zeroes the second pivot
    // after the up-front arrangement: the solver's known limit. The game's
    // faces never produce such a system.
    EXPECT_FALSE(allFinite(Entity::solveFrame(SbVec3f(0, 0, 0), SbVec3f(1, 1, 0),
                                              SbVec3f(1, 1, 1), SbVec3f(0, 1, 0),
                                              SbVec3f(1, 2, 3))));
}

TEST(QuadContact, RestingActorIsHeldExactlyOneAboveTheFloor)
{
    ProbeActor actor(SbVec3f(5, 1, 5));
    for (int i = 0; i < 20; ++i) {
        actor.stepped(actor.getPosition(), actor.getPosition() + SbVec3f(0, -0.5f, 0));
        ASSERT_TRUE(actor.collidesWithQuad(kCorner, kEdgeA, kEdgeB, kUp));
        actor.resolveQuadCollision(kCorner, kEdgeA, kEdgeB, kUp);
        ASSERT_EQ(actor.getPosition(), SbVec3f(5, 1, 5)) << "step " << i;
        ASSERT_EQ(actor.getNextPosition(), SbVec3f(5, 1, 5));
    }
    EXPECT_EQ(actor.kills, 0);
}

TEST(QuadContact, WithoutMotionAFaceLessThanOneBelowIsStillHit)
{
    ProbeActor actor(SbVec3f(5, 0.75f, 5));
    EXPECT_TRUE(actor.collidesWithQuad(kCorner, kEdgeA, kEdgeB, kUp));
    actor.resolveQuadCollision(kCorner, kEdgeA, kEdgeB, kUp);
    EXPECT_EQ(actor.getPosition(), SbVec3f(5, 1, 5));

    ProbeActor clear(SbVec3f(5, 1, 5)); // exactly 1.0 above: the sweep stops short
    EXPECT_FALSE(clear.collidesWithQuad(kCorner, kEdgeA, kEdgeB, kUp));
}

TEST(QuadContact, BorderHitsCountAndJustOutsideMisses)
{
    for (float x : {0.0f, 10.0f}) {
        for (float z : {0.0f, 10.0f}) {
            ProbeActor actor(SbVec3f(x, 1, z));
            actor.stepped(SbVec3f(x, 1, z), SbVec3f(x, 0.5f, z));
            EXPECT_TRUE(actor.collidesWithQuad(kCorner, kEdgeA, kEdgeB, kUp)) << x << " " << z;
        }
    }
    ProbeActor outside(SbVec3f(10.001f, 1, 5));
    outside.stepped(SbVec3f(10.001f, 1, 5), SbVec3f(10.001f, 0.5f, 5));
    EXPECT_FALSE(outside.collidesWithQuad(kCorner, kEdgeA, kEdgeB, kUp));
    ProbeActor before(SbVec3f(5, 1, -0.001f));
    before.stepped(SbVec3f(5, 1, -0.001f), SbVec3f(5, 0.5f, -0.001f));
    EXPECT_FALSE(before.collidesWithQuad(kCorner, kEdgeA, kEdgeB, kUp));
}

TEST(QuadContact, OnlyMotionIntoTheFrontFaceWithinReachCounts)
{
    ProbeActor actor(SbVec3f(5, 3, 5));
    actor.stepped(SbVec3f(5, 3, 5), SbVec3f(5, 2.5f, 5)); // the sweep ends at y = 1.5
    EXPECT_FALSE(actor.collidesWithQuad(kCorner, kEdgeA, kEdgeB, kUp));
    actor.stepped(SbVec3f(5, 3, 5), SbVec3f(5, 0.9f, 5)); // the sweep ends at y = -0.1
    EXPECT_TRUE(actor.collidesWithQuad(kCorner, kEdgeA, kEdgeB, kUp));
    actor.stepped(SbVec3f(5, 0.2f, 5), SbVec3f(5, 1.5f, 5)); // rising out of reach
    EXPECT_FALSE(actor.collidesWithQuad(kCorner, kEdgeA, kEdgeB, kUp));
}

TEST(QuadContact, HitFartherThanTwoFromTheNewPositionCrushes)
{
    // A wall in x = 0 facing +x; the actor is shoved through it.
    const SbVec3f corner(0, 0, 0), up(0, 10, 0), along(0, 0, 10), facing(1, 0, 0);
    ProbeActor shoved(SbVec3f(0.5f, 5, 5));
    shoved.stepped(SbVec3f(0.5f, 5, 5), SbVec3f(-2.5f, 5, 5));
    EXPECT_TRUE(shoved.collidesWithQuad(corner, up, along, facing));
    EXPECT_EQ(shoved.kills, 1);
    // Resolved all the same: back in front of the wall.
    shoved.resolveQuadCollision(corner, up, along, facing);
    EXPECT_EQ(shoved.getPosition(), SbVec3f(1, 5, 5));

    // Exactly 2.0 away is not a crush.
    ProbeActor pressed(SbVec3f(0.5f, 5, 5));
    pressed.stepped(SbVec3f(0.5f, 5, 5), SbVec3f(-2.0f, 5, 5));
    EXPECT_TRUE(pressed.collidesWithQuad(corner, up, along, facing));
    EXPECT_EQ(pressed.kills, 0);
}

TEST(QuadContact, PushOutFollowsTheNormalThroughTheCurrentPosition)
{
    // A slope rising along z; the foot is the perpendicular projection.
    const SbVec3f corner(0, 0, 0), a(10, 0, 0), b(0, 10, 10);
    SbVec3f normal = -(SbVec3f(1, 0, 0).cross(SbVec3f(0, 1, 1)));
    normal.normalize();
    ProbeActor actor(SbVec3f(5, 3, 5));
    actor.resolveQuadCollision(corner, a, b, normal);
    const SbVec3f p = actor.getPosition();
    EXPECT_NEAR(p[0], 5.0f, 1e-5f);
    // One unit from the plane y = z along its normal.
    EXPECT_NEAR((p[1] - p[2]) / std::sqrt(2.0f), 1.0f, 1e-5f);
}

TEST(SphereContact, TouchingAtTheSumOfRadiiCountsAndPushOutJustTouches)
{
    ProbeActor hero(SbVec3f(0, 0, 0), 1.0f);
    ProbeActor small(SbVec3f(1.5f, 0, 0), 0.5f);
    EXPECT_TRUE(hero.collidesWith(small));
    EXPECT_TRUE(small.collidesWith(hero));
    small.setPosition(1.5001f, 0, 0);
    EXPECT_FALSE(hero.collidesWith(small));

    small.setPosition(0, 0, 1.0f);
    hero.resolveCollisionWith(small);
    EXPECT_EQ(small.getPosition(), SbVec3f(0, 0, 1.5f));
    EXPECT_EQ(small.getNextPosition(), small.getPosition());
    // Coincident centres have no direction: the pushed actor stays put.
    small.setPosition(0, 0, 0);
    hero.resolveCollisionWith(small);
    EXPECT_EQ(small.getPosition(), SbVec3f(0, 0, 0));
}
