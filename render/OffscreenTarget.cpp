#include "render/OffscreenTarget.h"

#include "render/GlewInit.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLFunctions>

OffscreenTarget::OffscreenTarget() = default;

OffscreenTarget::~OffscreenTarget()
{
    if (context)
        context->makeCurrent(surface.get());
    framebuffer.reset();
}

bool OffscreenTarget::create(int width, int height)
{
    surface = std::make_unique<QOffscreenSurface>();
    surface->setFormat(QSurfaceFormat::defaultFormat());
    surface->create();
    context = std::make_unique<QOpenGLContext>();
    context->setFormat(QSurfaceFormat::defaultFormat());
    if (!context->create() || !context->makeCurrent(surface.get()) || !initGlew())
        return false;
    resize(width, height);
    return true;
}

void OffscreenTarget::resize(int width, int height)
{
    framebuffer = std::make_unique<QOpenGLFramebufferObject>(width, height,
                                                             QOpenGLFramebufferObject::CombinedDepthStencil);
    framebuffer->bind();
    context->functions()->glViewport(0, 0, width, height);
}

void OffscreenTarget::makeCurrent()
{
    context->makeCurrent(surface.get());
    framebuffer->bind();
}

QImage OffscreenTarget::grab() const { return framebuffer->toImage(); }
