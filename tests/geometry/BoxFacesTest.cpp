// Boxes of six faces, static and moving: where each face lies, its normal
// into the box, and flipping them all outward and back.
#include "geometry/MovingQuadrat.h"
#include "geometry/MovingSurface.h"
#include "geometry/Quadrat.h"
#include "geometry/Surface.h"

#include <gtest/gtest.h>

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
    box.flip();
    for (int i = 0; i < Quadrat::FaceCount; ++i)
        EXPECT_EQ(box.faces[size_t(i)]->getNormal(), kFaces[i].inward) << kind << " " << kFaces[i].name;
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
