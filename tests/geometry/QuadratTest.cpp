// Boxes of six faces: placement, inward normals, flipping.
#include "geometry/Quadrat.h"
#include "geometry/Surface.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
// The faces belong to the level; in tests the box's owner frees them.
struct OwnedQuadrat {
    explicit OwnedQuadrat(Quadrat q) : box(std::move(q)) {}
    ~OwnedQuadrat()
    {
        for (Surface *face : box.faces)
            delete face;
    }
    Quadrat box;
};

// The four corners of a face, from what it hands to actors.
std::vector<SbVec3f> cornersOf(const Surface &s)
{
    const SbVec3f c = s.getPosition();
    return {c, c + s.edgeVectorA(), c + s.edgeVectorB(), c + s.edgeVectorA() + s.edgeVectorB()};
}
} // namespace

TEST(Quadrat, SixFacesInFixedOrderWithInwardNormals)
{
    OwnedQuadrat q(Quadrat(SbVec3f(0, 0, 0), 20, 100, 100));
    const auto &faces = q.box.faces;
    ASSERT_EQ(faces.size(), 6u);
    const SbVec3f inward[6] = {SbVec3f(0, 1, 0),  SbVec3f(0, -1, 0), SbVec3f(0, 0, 1),
                               SbVec3f(1, 0, 0),  SbVec3f(-1, 0, 0), SbVec3f(0, 0, -1)};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(faces[i]->getNormal(), inward[i]) << "face " << i;
    EXPECT_FALSE(faces[Quadrat::Bottom]->isFlipped());
    EXPECT_TRUE(faces[Quadrat::Top]->isFlipped());
    EXPECT_TRUE(faces[Quadrat::Back]->isFlipped());

    for (const SbVec3f &c : cornersOf(*faces[Quadrat::Bottom]))
        EXPECT_EQ(c[1], 0.0f);
    for (const SbVec3f &c : cornersOf(*faces[Quadrat::Top]))
        EXPECT_EQ(c[1], 20.0f);
    for (const SbVec3f &c : cornersOf(*faces[Quadrat::Front]))
        EXPECT_EQ(c[2], 0.0f);
    for (const SbVec3f &c : cornersOf(*faces[Quadrat::Left]))
        EXPECT_EQ(c[0], 0.0f);
    for (const SbVec3f &c : cornersOf(*faces[Quadrat::Right]))
        EXPECT_EQ(c[0], 100.0f);
    for (const SbVec3f &c : cornersOf(*faces[Quadrat::Back]))
        EXPECT_EQ(c[2], 100.0f);
    EXPECT_EQ(faces[Quadrat::Top]->edgeVectorA(), SbVec3f(100, 0, 0));
    EXPECT_EQ(faces[Quadrat::Front]->edgeVectorA(), SbVec3f(0, 20, 0));
}

TEST(Quadrat, FlipTurnsEveryFaceOutwardAndTwiceRestoresIt)
{
    OwnedQuadrat q(Quadrat(SbVec3f(10, 5, 10), 20, 100, 100));
    q.box.flip();
    EXPECT_EQ(q.box.faces[Quadrat::Bottom]->getNormal(), SbVec3f(0, -1, 0));
    EXPECT_EQ(q.box.faces[Quadrat::Top]->getNormal(), SbVec3f(0, 1, 0));
    EXPECT_FALSE(q.box.faces[Quadrat::Top]->isFlipped());
    EXPECT_TRUE(q.box.faces[Quadrat::Left]->isFlipped());
    q.box.flip();
    EXPECT_EQ(q.box.faces[Quadrat::Bottom]->getNormal(), SbVec3f(0, 1, 0));
    EXPECT_EQ(q.box.faces[Quadrat::Right]->getNormal(), SbVec3f(-1, 0, 0));
    EXPECT_TRUE(q.box.faces[Quadrat::Top]->isFlipped());
    EXPECT_FALSE(q.box.faces[Quadrat::Left]->isFlipped());
}
