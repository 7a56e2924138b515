// Boxes of six faces, static and moving: where each face lies, its normal
// into the box, flipping them all outward (Top and Back flip back, so a
// flip toggles); a moving box's faces
// in lockstep, and copies that share them. A box's piston motion, and one
// at rest on a one-point path: tests/levels/level02_piston.play and
// level08_plate.play.
#include "sim/MovingQuadrat.h"
#include "sim/MovingSurface.h"
#include "sim/Quadrat.h"
#include "sim/Surface.h"

#include <gtest/gtest.h>

#include <array>

namespace {
// Height 2, width 3, depth 4 from (1, 1, 1): each face in its plane.
const struct {
    const char *name;
    SbVec3f inward;
    int axis;
    float plane;
} kFaces[Quadrat::FaceCount] = {
    {"bottom", {0, 1, 0}, 1, 1}, {"top", {0, -1, 0}, 1, 3},  {"front", {0, 0, 1}, 2, 1},
    {"left", {1, 0, 0}, 0, 1},   {"right", {-1, 0, 0}, 0, 4}, {"back", {0, 0, -1}, 2, 5},
};

template <typename Box> void expectFaces(Box &box, const char *kind)
{
    ASSERT_EQ(box.faces.size(), size_t(Quadrat::FaceCount)) << kind;
    for (int i = 0; i < Quadrat::FaceCount; ++i) {
        const auto &face = *box.faces[size_t(i)];
        SCOPED_TRACE(std::string(kind) + " " + kFaces[i].name);
        const SbVec3f c = face.getPosition(), a = face.edgeVectorA(), b = face.edgeVectorB();
        for (SbVec3f corner : {c, c + a, c + b, c + a + b})
            EXPECT_EQ(corner[kFaces[i].axis], kFaces[i].plane);
        EXPECT_EQ(face.getNormal(), kFaces[i].inward);
        EXPECT_EQ(face.isFlipped(), i == Quadrat::Top || i == Quadrat::Back);
    }
    box.flip();
    for (int i = 0; i < Quadrat::FaceCount; ++i)
        EXPECT_EQ(box.faces[size_t(i)]->getNormal(), -kFaces[i].inward) << kind << " " << kFaces[i].name;
}
} // namespace

TEST(BoxFaces, SitInTheirPlanesWithNormalsInwardAndFlipOutward)
{
    Quadrat still(SbVec3f(1, 1, 1), 2, 3, 4);
    expectFaces(still, "Quadrat");
    for (Surface *face : still.faces) // the level owns them otherwise
        delete face;
    MovingQuadrat moving(SbVec3f(1, 1, 1), 2, 3, 4, {SbVec3f(1, 1, 1)}, 1.0f);
    expectFaces(moving, "MovingQuadrat");
}

TEST(MovingQuadratMotion, FacesKeepTheirRelativePositionsOnAnyPath)
{
    const SbVec3f origin(1.5f, 2.25f, -3.0f);
    MovingQuadrat box(origin, 1.7f, 2.3f, 0.9f,
                      {SbVec3f(7.3f, 1.1f, -2.9f), SbVec3f(-4.4f, 6.6f, 3.3f), origin}, 0.37f);
    auto positions = [&box] {
        std::array<SbVec3f, Quadrat::FaceCount> at;
        for (size_t face = 0; face < at.size(); ++face)
            at[face] = box.faces[face]->getPosition();
        return at;
    };
    const auto start = positions();
    for (int tick = 0; tick < 500; ++tick) {
        for (MovingSurface *face : box.faces)
            face->move();
        const auto now = positions();
        for (size_t face = 1; face < now.size(); ++face)
            for (int axis = 0; axis < 3; ++axis)
                ASSERT_NEAR(now[face][axis] - now[0][axis], start[face][axis] - start[0][axis],
                            1e-3f)
                    << "tick " << tick << " face " << face << " axis " << axis;
    }
    EXPECT_NE(positions()[0], start[0]); // it did travel
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
