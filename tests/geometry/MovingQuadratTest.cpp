// Moving boxes: six faces following the box's path in lockstep. No GL
// context is needed.
#include "TouchRecorder.h"
#include "geometry/MovingQuadrat.h"
#include "geometry/MovingSurface.h"
#include "geometry/Quadrat.h"

#include <gtest/gtest.h>

#include <array>

namespace {
using Positions = std::array<SbVec3f, Quadrat::FaceCount>;

Positions positionsOf(const MovingQuadrat &box)
{
    Positions at;
    for (int face = 0; face < Quadrat::FaceCount; ++face)
        at[size_t(face)] = box.faces[size_t(face)]->getPosition();
    return at;
}

void moveFaces(MovingQuadrat &box)
{
    for (MovingSurface *face : box.faces)
        face->move();
}
} // namespace

TEST(MovingQuadratMotion, AOnePointPathAtTheOriginNeverMoves)
{
    MovingQuadrat box(SbVec3f(5, 6, 7), 1, 2, 3, {SbVec3f(5, 6, 7)}, 0.5f);
    const Positions start = positionsOf(box);
    for (int tick = 0; tick < 200; ++tick)
        moveFaces(box);
    EXPECT_EQ(positionsOf(box), start);
}

TEST(MovingQuadratMotion, APistonRisesFifteenInFifteenTicksThenFallsBackAndRepeats)
{
    MovingQuadrat piston(SbVec3f(100, 0, 20), 5, 10, 10,
                         {SbVec3f(100, 15, 20), SbVec3f(100, 0, 20)}, 1.0f);
    for (int tick = 1; tick <= 90; ++tick) {
        moveFaces(piston);
        const int phase = (tick - 1) % 30 + 1;
        const float height = phase <= 15 ? float(phase) : float(30 - phase);
        ASSERT_EQ(piston.faces[Quadrat::Bottom]->getPosition(), SbVec3f(100, height, 20))
            << "tick " << tick;
        ASSERT_EQ(piston.faces[Quadrat::Top]->getPosition(), SbVec3f(100, height + 5, 20))
            << "tick " << tick;
    }
}

TEST(MovingQuadratMotion, FacesKeepTheirRelativePositionsOnAnyPath)
{
    const SbVec3f origin(1.5f, 2.25f, -3.0f);
    MovingQuadrat box(origin, 1.7f, 2.3f, 0.9f,
                      {SbVec3f(7.3f, 1.1f, -2.9f), SbVec3f(-4.4f, 6.6f, 3.3f), origin}, 0.37f);
    const Positions start = positionsOf(box);
    for (int tick = 0; tick < 500; ++tick) {
        moveFaces(box);
        const Positions now = positionsOf(box);
        for (size_t face = 1; face < now.size(); ++face)
            for (int axis = 0; axis < 3; ++axis)
                ASSERT_NEAR(now[face][axis] - now[0][axis], start[face][axis] - start[0][axis],
                            1e-3f)
                    << "tick " << tick << " face " << face << " axis " << axis;
    }
    // It did travel.
    EXPECT_NE(positionsOf(box)[0], start[0]);
}

TEST(MovingQuadratCopies, ACopyControlsTheSameFaces)
{
    MovingQuadrat box(SbVec3f(0, 0, 0), 1, 1, 1, {SbVec3f(0, 0, 0)}, 1.0f);
    MovingQuadrat copy = box;
    EXPECT_EQ(copy.faces, box.faces);
    copy.setPath({SbVec3f(0, 3, 0)});
    EXPECT_EQ(box.faces[Quadrat::Top]->getPath(), Waypoints{SbVec3f(0, 4, 0)});
    // The original's own record of its path is its own.
    EXPECT_EQ(box.getPath(), Waypoints{SbVec3f(0, 0, 0)});
}
