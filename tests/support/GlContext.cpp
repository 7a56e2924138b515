#include "support/GlContext.h"

#include "support/Application.h"
#include "support/Glew.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>

QOffscreenSurface *GlContextTest::surface = nullptr;
QOpenGLContext *GlContextTest::context = nullptr;
QOpenGLFramebufferObject *GlContextTest::framebuffer = nullptr;

void GlContextTest::SetUpTestSuite()
{
    ensureApplication();
    if (context)
        return;
    surface = new QOffscreenSurface;
    surface->setFormat(QSurfaceFormat::defaultFormat());
    surface->create();
    context = new QOpenGLContext;
    context->setFormat(QSurfaceFormat::defaultFormat());
    ASSERT_TRUE(context->create());
    ASSERT_TRUE(context->makeCurrent(surface));
    ASSERT_TRUE(initGlew());
    framebuffer = new QOpenGLFramebufferObject(kWidth, kHeight,
                                               QOpenGLFramebufferObject::CombinedDepthStencil);
    framebuffer->bind();
    context->functions()->glViewport(0, 0, kWidth, kHeight);
}

void GlContextTest::TearDownTestSuite()
{
    // The context stays for the next suite of the same program.
}

void GlContextTest::SetUp()
{
    ASSERT_NE(context, nullptr);
    context->makeCurrent(surface);
    framebuffer->bind();
}

QImage GlContextTest::grab() { return framebuffer->toImage(); }

void GlContextTest::resizeFramebuffer(int width, int height)
{
    delete framebuffer;
    framebuffer = new QOpenGLFramebufferObject(width, height,
                                               QOpenGLFramebufferObject::CombinedDepthStencil);
    framebuffer->bind();
    context->functions()->glViewport(0, 0, width, height);
}
