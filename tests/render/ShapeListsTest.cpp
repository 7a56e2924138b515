// ShapeLists: a GLU sphere recorded once and replayed draws the pixels of
// the sphere drawn directly, shaded and outlined, and recording never nests
// in another list.
#include "render/GL.h"
#include "render/ShapeLists.h"
#include "support/GlContext.h"

#include <QImage>

namespace {
// The size of the figures' heads: 32 slices and 32 stacks.
void sphere(GLUquadric *quadric)
{
    gluSphere(quadric, 0.8, 32, 32);
}

QImage drawn(const std::function<void()> &draw)
{
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, double(GlContextTest::kWidth) / GlContextTest::kHeight, 0.1, 10.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.2f, -0.1f, -3.0f);
    glRotatef(30.0f, 1.0f, 0.5f, 0.0f);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_CULL_FACE);
    // The outline pass's way: back faces as thick lines over the shaded ones.
    draw();
    glCullFace(GL_FRONT);
    glPolygonMode(GL_BACK, GL_LINE);
    glLineWidth(4.0f);
    glDisable(GL_LIGHTING);
    glColor3f(1.0f, 0.0f, 0.0f);
    glDepthFunc(GL_LEQUAL);
    draw();
    glDepthFunc(GL_LESS);
    glColor3f(1.0f, 1.0f, 1.0f);
    glLineWidth(1.0f);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glCullFace(GL_BACK);
    glDisable(GL_LIGHT0);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glFinish();
    return GlContextTest::grab();
}
} // namespace

using ShapeListsTest = GlContextTest;

TEST_F(ShapeListsTest, ASphereRecordedOnceDrawsTheSamePixelsAsGluDirectly)
{
    GLUquadric *quadric = gluNewQuadric();
    gluQuadricTexture(quadric, GL_TRUE);
    ShapeLists lists(2);
    int recordings = 0;
    const auto viaList = [&] {
        lists.draw(1, [&] {
            ++recordings;
            sphere(quadric);
        });
    };

    const QImage direct = drawn([&] { sphere(quadric); });
    const QImage first = drawn(viaList);
    const QImage second = drawn(viaList);
    EXPECT_EQ(recordings, 1);
    EXPECT_GT(litPixels(direct), kWidth * kHeight / 10);
    EXPECT_TRUE(first == direct);
    EXPECT_TRUE(second == direct);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    gluDeleteQuadric(quadric);
    expectGlStateClean("after the shape lists");
}

TEST_F(ShapeListsTest, InsideAnotherListsRecordingTheShapeIsDrawnIntoItAndRecordedLater)
{
    GLUquadric *quadric = gluNewQuadric();
    ShapeLists lists(1);
    int emitted = 0;
    const auto shape = [&] {
        ++emitted;
        sphere(quadric);
    };
    const GLuint outer = glGenLists(1);
    glNewList(outer, GL_COMPILE);
    lists.draw(0, shape); // lists do not nest
    glEndList();
    lists.draw(0, shape);
    lists.draw(0, shape);
    EXPECT_EQ(emitted, 2) << "once into the other list, once into its own";
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    glDeleteLists(outer, 1);
    gluDeleteQuadric(quadric);
}
