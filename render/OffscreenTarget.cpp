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

// The framebuffer's alpha is left as the drawing made it (the clear colour's
// 0, a smooth line's coverage) and a window ignores it; a picture saved
// with it would show those pixels blended into whatever the viewer puts
// behind. The colour channels are taken as they are, never unpremultiplied.
QImage OffscreenTarget::grab() const
{
    QImage image = framebuffer->toImage();
    switch (image.format()) {
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied: image.reinterpretAsFormat(QImage::Format_RGB32); break;
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBA8888_Premultiplied: image.reinterpretAsFormat(QImage::Format_RGBX8888); break;
    default: break;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}
