#include "support/GlContext.h"

#include "render/GL.h"
#include "render/OffscreenTarget.h"
#include "support/Application.h"

OffscreenTarget *GlContextTest::target = nullptr;

void GlContextTest::SetUpTestSuite()
{
    ensureApplication();
    if (target)
        return;
    // Kept for the whole program: every suite shares the one context.
    target = new OffscreenTarget;
    ASSERT_TRUE(target->create(kWidth, kHeight));
}

void GlContextTest::SetUp()
{
    ASSERT_NE(target, nullptr);
    target->makeCurrent();
}

QImage GlContextTest::grab() { return target->grab(); }

void GlContextTest::resizeFramebuffer(int width, int height) { target->resize(width, height); }

int litPixels(const QImage &image)
{
    int lit = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            lit += (image.pixel(x, y) & 0xFFFFFF) != 0 ? 1 : 0;
    return lit;
}

void expectGlStateClean(const char *where)
{
    GLint depth = 0, winding = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    glGetIntegerv(GL_FRONT_FACE, &winding);
    EXPECT_EQ(depth, 1) << where;
    EXPECT_EQ(winding, GL_CCW) << where;
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << where;
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << where;
}
