// Surfaces: the rectangle they stand for, their front side, the tiling of
// their textured drawing, and what they hand to actors.
#include "actors/Entity.h"
#include "geometry/Surface.h"
#include "TouchRecorder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

TEST(Surface, FrontNormalIsMinusEdgeZeroCrossEdgeOneAndFlipTurnsIt)
{
    Surface floor(SbVec3f(0, 0, 0), SbVec3f(100, 0, 0), SbVec3f(0, 0, 100));
    EXPECT_EQ(floor.getNormal(), SbVec3f(0, 1, 0));
    Surface wall(SbVec3f(0, 0, 0), SbVec3f(0, 10, 0), SbVec3f(0, 0, 10));
    EXPECT_EQ(wall.getNormal(), SbVec3f(-1, 0, 0));
    floor.flip();
    EXPECT_EQ(floor.getNormal(), SbVec3f(0, -1, 0));
    EXPECT_TRUE(floor.isFlipped());
    floor.flip();
    EXPECT_EQ(floor.getNormal(), SbVec3f(0, 1, 0));
    EXPECT_FALSE(floor.isFlipped());
}

TEST(Surface, EdgesAreUnitDirectionsWithTheirLengthsKept)
{
    Surface s(SbVec3f(1, 2, 3), SbVec3f(4, 6, 3), SbVec3f(1, 2, 5));
    EXPECT_EQ(s.getEdge(0), SbVec3f(0.6f, 0.8f, 0));
    EXPECT_EQ(s.getEdgeLength(0), 5.0f);
    EXPECT_EQ(s.getEdge(1), SbVec3f(0, 0, 1));
    EXPECT_EQ(s.getEdgeLength(1), 2.0f);
    EXPECT_NEAR(s.getEdgeLength(2), std::sqrt(25.0f + 4.0f), 1e-5f);

    // A zero edge stays zero, with length 0 and no NaNs.
    Surface thin(SbVec3f(1, 1, 1), SbVec3f(1, 1, 1), SbVec3f(1, 3, 1));
    EXPECT_EQ(thin.getEdge(0), SbVec3f(0, 0, 0));
    EXPECT_EQ(thin.getEdgeLength(0), 0.0f);
    const SbVec3f n = thin.getNormal();
    EXPECT_FALSE(std::isnan(n[0]) || std::isnan(n[1]) || std::isnan(n[2]));
}

TEST(Surface, HandsCornerFullEdgesAndNormalToTheActor)
{
    Surface s(SbVec3f(1, 2, 3), SbVec3f(4, 6, 3), SbVec3f(1, 2, 5));
    TouchRecorder actor;
    EXPECT_TRUE(s.testCollision(&actor));
    const SbVec3f expected[] = {SbVec3f(1, 2, 3), s.getEdge(0) * 5.0f, SbVec3f(0, 0, 2), s.getNormal()};
    auto matches = [&](const TouchRecorder::Quad &q) {
        return q.corner == expected[0] && q.edgeA == expected[1] && q.edgeB == expected[2] &&
               q.normal == expected[3];
    };
    EXPECT_TRUE(matches(actor.tested));
    actor.touching = false;
    EXPECT_FALSE(s.testCollision(&actor));
    s.resolveCollision(&actor);
    EXPECT_TRUE(matches(actor.resolved));
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
