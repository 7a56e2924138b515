#pragma once
#include <QImage>
#include <memory>

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFramebufferObject;

// A compatibility GL context without a window, made current, with an
// offscreen framebuffer as render target and GLEW loaded. For the tools and
// tests that drive worlds frame by frame. Needs a QGuiApplication.
class OffscreenTarget {
public:
    // Largest framebuffer side the tools accept (--size), in pixels.
    static constexpr int kMaxSide = 4096;

    OffscreenTarget();
    ~OffscreenTarget();

    // False when no context could be made current.
    bool create(int width, int height);
    // Replaces the framebuffer by one of the given size and sets the
    // viewport to it.
    void resize(int width, int height);
    void makeCurrent();
    // The framebuffer's colours, top row first, opaque as a window shows
    // them.
    QImage grab() const;

private:
    std::unique_ptr<QOffscreenSurface> surface;
    std::unique_ptr<QOpenGLContext> context;
    std::unique_ptr<QOpenGLFramebufferObject> framebuffer;
};
