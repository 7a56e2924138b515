// Surfaces: the rectangle and front side they hand to actors, and the
// tiling of their textured drawing.
#include "actors/Entity.h"
#include "geometry/Surface.h"
#include "TouchRecorder.h"

#include <gtest/gtest.h>

#include <vector>

// The front normal (-edge 0 x edge 1) and flip: BoxFacesTest (six faces,
// flipped and back) and SurfaceDrawTest (the drawn side).
TEST(Surface, HandsCornerFullEdgesAndNormalToTheActor)
{
    const struct {
        const char *name;
        SbVec3f corners[3];
        TouchRecorder::Quad handed;
    } rows[] = {
        {"slanted", {{1, 2, 3}, {4, 6, 3}, {1, 2, 5}}, {{1, 2, 3}, {3, 4, 0}, {0, 0, 2}, {-0.8f, 0.6f, 0}}},
        {"a zero edge stays zero, without NaN", {{1, 1, 1}, {1, 1, 1}, {1, 3, 1}},
         {{1, 1, 1}, {0, 0, 0}, {0, 2, 0}, {0, 0, 0}}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Surface s(row.corners[0], row.corners[1], row.corners[2]);
        TouchRecorder actor;
        EXPECT_TRUE(s.testCollision(&actor));
        actor.touching = false;
        EXPECT_FALSE(s.testCollision(&actor));
        s.resolveCollision(&actor);
        for (const TouchRecorder::Quad &q : {actor.tested, actor.resolved})
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(q.corner[i], row.handed.corner[i]);
                EXPECT_NEAR(q.edgeA[i], row.handed.edgeA[i], 1e-6f);
                EXPECT_NEAR(q.edgeB[i], row.handed.edgeB[i], 1e-6f);
                EXPECT_NEAR(q.normal[i], row.handed.normal[i], 1e-6f);
            }
    }
}

TEST(SurfaceTiling, TwoAndAHalfAlongEdgeZeroGivesTwoFullRowsAndAHalfRow)
{
    Surface s(SbVec3f(0, 0, 0), SbVec3f(2.5f, 0, 0), SbVec3f(0, 0, 1));
    const auto strips = s.tileStrips();
    ASSERT_EQ(strips.size(), 3u);
    for (const auto &strip : strips)
        ASSERT_EQ(strip.size(), 4u); // columns 0 and 1, no remainder across
    // Row 1: x from 1 to 2, texture t from 0.5 to 1.
    EXPECT_EQ(strips[1][0].position, SbVec3f(1, 0, 0));
    EXPECT_EQ(strips[1][1].position, SbVec3f(2, 0, 0));
    EXPECT_EQ(strips[1][2].position, SbVec3f(1, 0, 1));
    EXPECT_EQ(strips[1][3].position, SbVec3f(2, 0, 1));
    EXPECT_EQ(strips[1][1].t, 1.0f);
    EXPECT_EQ(strips[1][3].s, 0.5f);
    // The half row continues the texture where row 1 stopped.
    EXPECT_EQ(strips[2][0].position, SbVec3f(2, 0, 0));
    EXPECT_EQ(strips[2][1].position, SbVec3f(2.5f, 0, 0));
    EXPECT_EQ(strips[2][0].t, strips[1][1].t);
    EXPECT_EQ(strips[2][1].t, 1.25f);
}

TEST(SurfaceTiling, ARemainderAcrossClosesEachStripAtTheFarEdge)
{
    Surface s(SbVec3f(0, 0, 0), SbVec3f(1, 0, 0), SbVec3f(0, 0, 1.5f));
    const auto strips = s.tileStrips();
    ASSERT_EQ(strips.size(), 2u);
    ASSERT_EQ(strips[0].size(), 6u); // columns 0, 1 and the closing pair
    EXPECT_EQ(strips[0][4].position, SbVec3f(0, 0, 1.5f));
    EXPECT_EQ(strips[0][5].position, SbVec3f(1, 0, 1.5f));
    EXPECT_EQ(strips[0][4].s, 0.75f);
    EXPECT_EQ(strips[0][5].t, 0.5f);
    // The last row along edge 0 has zero width: both vertices of a pair agree.
    for (size_t v = 0; v < strips[1].size(); v += 2)
        EXPECT_EQ(strips[1][v].position, strips[1][v + 1].position);
}
