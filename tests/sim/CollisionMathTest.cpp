// The collision mathematics every actor shares: the frame solver, the
// walking figures' rectangle test and push-out, and sphere contact. No GL,
// no registry. Resting on a floor frame after frame, exactly 1.0 above it:
// tests/levels/hero_motion.play (frames 7 to 60).
#include "support/ActorTestSupport.h"

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

TEST(SolveFrame, ZeroPivotsAreSwappedAwayAndSingularSystemsGiveNonFiniteResults)
{
    // Column 0 of this frame is zero on the diagonal and non-zero in rows 1
    // and 2: both are swapped up in turn.
    const SbVec3f a(0, 1, 2), b(1, 0, 0), c(0, 0, 1);
    const struct {
        const char *name;
        SbVec3f corner, edgeA, edgeB, probe, point;
        bool finite;
        SbVec3f solution;
    } rows[] = {
        // The y row holds only the probe column: row 1 has a zero pivot
        // until rows 1 and 2 are swapped.
        {"floor, vertical probe", kCorner, kEdgeA, kEdgeB, kUp, {3, 1.5f, 7}, true, {0.3f, 0.7f, 1.5f}},
        {"wall in x = 4 probed along x: every row starts with a zero pivot", {4, 0, 0}, {0, 2, 0},
         {0, 0, 5}, {-1, 0, 0}, {6, 1, 1}, true, {0.5f, 0.2f, -2.0f}},
        {"several pivot candidates", {0, 0, 0}, a, b, c, a * 3.0f + b * 5.0f + c * 7.0f, true, {3, 5, 7}},
        {"probe direction in the face's plane", kCorner, kEdgeA, kEdgeB, {1, 0, 0}, {1, 1, 1}, false, {}},
        {"degenerate face: both edges parallel", kCorner, kEdgeA, {5, 0, 0}, kUp, {1, 1, 1}, false, {}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const SbVec3f got = Entity::solveFrame(row.corner, row.edgeA, row.edgeB, row.probe, row.point);
        EXPECT_EQ(allFinite(got), row.finite);
        if (row.finite) {
            EXPECT_EQ(got, row.solution);
        }
    }
}

namespace {
struct Quad {
    SbVec3f corner, a, b, normal;
};
const Quad kFloor = {kCorner, kEdgeA, kEdgeB, kUp};
// A wall in x = 0 facing +x.
const Quad kWall = {SbVec3f(0, 0, 0), SbVec3f(0, 10, 0), SbVec3f(0, 0, 10), SbVec3f(1, 0, 0)};

struct SweepRow {
    const char *name;
    Quad face;
    SbVec3f from, to;
    bool hit;
    int kills;
    SbVec3f rest; // where the push-out puts a hit actor
};

const SweepRow kSweeps[] = {
    {"corner 0 0", kFloor, {0, 1, 0}, {0, 0.5f, 0}, true, 0, {0, 1, 0}},
    {"corner 10 0", kFloor, {10, 1, 0}, {10, 0.5f, 0}, true, 0, {10, 1, 0}},
    {"corner 0 10", kFloor, {0, 1, 10}, {0, 0.5f, 10}, true, 0, {0, 1, 10}},
    {"corner 10 10", kFloor, {10, 1, 10}, {10, 0.5f, 10}, true, 0, {10, 1, 10}},
    {"just beyond x 10", kFloor, {10.001f, 1, 5}, {10.001f, 0.5f, 5}, false, 0, {}},
    {"just before z 0", kFloor, {5, 1, -0.001f}, {5, 0.5f, -0.001f}, false, 0, {}},
    {"no motion, 0.75 above", kFloor, {5, 0.75f, 5}, {5, 0.75f, 5}, true, 0, {5, 1, 5}},
    {"no motion, exactly 1.0 above: the sweep stops short", kFloor, {5, 1, 5}, {5, 1, 5}, false, 0, {}},
    {"sweep ends 1.5 above", kFloor, {5, 3, 5}, {5, 2.5f, 5}, false, 0, {}},
    {"sweep ends 0.1 below", kFloor, {5, 3, 5}, {5, 0.9f, 5}, true, 0, {5, 1, 5}},
    {"rising out of reach", kFloor, {5, 0.2f, 5}, {5, 1.5f, 5}, false, 0, {}},
    {"shoved through, hit 3 away: crushed", kWall, {0.5f, 5, 5}, {-2.5f, 5, 5}, true, 1, {1, 5, 5}},
    {"hit exactly 2.0 away: no crush", kWall, {0.5f, 5, 5}, {-2, 5, 5}, true, 0, {1, 5, 5}},
};
} // namespace

TEST(QuadContact, SweptRectangleTest)
{
    for (const SweepRow &row : kSweeps) {
        SCOPED_TRACE(row.name);
        ProbeActor actor(row.from);
        stepped(actor, row.from, row.to);
        const Quad &q = row.face;
        EXPECT_EQ(actor.collidesWithQuad(q.corner, q.a, q.b, q.normal), row.hit);
        EXPECT_EQ(actor.kills, row.kills);
        if (row.hit) {
            actor.resolveQuadCollision(q.corner, q.a, q.b, q.normal);
            EXPECT_EQ(actor.getPosition(), row.rest);
        }
    }
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
