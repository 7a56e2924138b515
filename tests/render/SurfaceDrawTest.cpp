// Drawing a surface: the winding that makes the normal's side the front,
// the outline quad, and GL state left as found; the unit-tile reference
// drawing and the distance that orders the drawing; the exit's pane.
#include "render/FacePainter.h"
#include "render/GL.h"
#include "sim/EndCube.h"
#include "sim/Surface.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

class SurfaceDraw : public GlContextTest {
protected:
    void SetUp() override
    {
        GlContextTest::SetUp();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-2, 2, -2, 2, -2, 2); // looking down -z
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        while (glGetError() != GL_NO_ERROR) {
        }
    }
    void TearDown() override { glDisable(GL_CULL_FACE); }
};

TEST_F(SurfaceDraw, TheNormalsSideIsTheVisibleSideAndTheOutlineOnlyShowsInItsPass)
{
    // Normal (0, 0, 1): towards the viewer.
    FacePainter faces;
    Surface facing(SbVec3f(-1, -1, 0), SbVec3f(-1, 1, 0), SbVec3f(1, -1, 0));
    faces.drawStatic(facing);
    expectGlStateClean("after drawing");
    EXPECT_GT(litPixels(grab()), 1000);

    glClear(GL_COLOR_BUFFER_BIT);
    facing.flip(); // now facing away: culled
    faces.drawStatic(facing);
    EXPECT_EQ(litPixels(grab()), 0);

    glClear(GL_COLOR_BUFFER_BIT);
    Surface away(SbVec3f(-1, -1, 0), SbVec3f(1, -1, 0), SbVec3f(-1, 1, 0)); // normal (0, 0, -1)
    away.flip(); // flipped towards the viewer: visible
    faces.drawStatic(away);
    EXPECT_GT(litPixels(grab()), 1000);

    // A static face is not drawn with the moving ones; its outline quad is.
    glClear(GL_COLOR_BUFFER_BIT);
    facing.flip(); // towards the viewer again
    glColor3f(1, 1, 1);
    faces.drawMoving(facing);
    EXPECT_EQ(litPixels(grab()), 0);
    faces.drawOutline(facing);
    expectGlStateClean("after drawing");
    EXPECT_GT(litPixels(grab()), 1000);
}

TEST_F(SurfaceDraw, TheExitPaneShowsOnceInTranslucentRedFromEitherSide)
{
    // No depth test: a pane drawn twice would show a brighter red.
    for (bool turned : {false, true}) {
        SCOPED_TRACE(turned ? "behind" : "in front");
        glClear(GL_COLOR_BUFFER_BIT);
        glLoadIdentity();
        if (turned)
            glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
        FacePainter().drawStatic(EndCube(SbVec3f(-1, -1, 0)));
        expectGlStateClean("after drawing");
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        const QRgb centre = grab().pixel(kWidth / 2, kHeight / 2);
        EXPECT_NEAR(qRed(centre), 153, 2); // 0.6 of full red over black
        EXPECT_EQ(qGreen(centre), 0);
        EXPECT_EQ(qBlue(centre), 0);
    }
}

// The unit tiles are the reference WholeFacePictureTest compares the game's
// whole-face drawing with; its half rows show in the worlds' start views,
// a remainder across does not.
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
}

// A level draws its faces near to far by this distance: over the face it is
// the height above it, beyond an edge or a corner the distance to that.
TEST(SurfaceDrawingOrder, DistanceIsToTheNearestPointOfTheRectangle)
{
    Surface floor(SbVec3f(0, 0, 0), SbVec3f(4, 0, 0), SbVec3f(0, 0, 2));
    EXPECT_FLOAT_EQ(floor.distanceTo(SbVec3f(1, 3, 1)), 3.0f);
    EXPECT_FLOAT_EQ(floor.distanceTo(SbVec3f(6, 0, 1)), 2.0f);
    EXPECT_FLOAT_EQ(floor.distanceTo(SbVec3f(7, 0, -4)), 5.0f);
}
