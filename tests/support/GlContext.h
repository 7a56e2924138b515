#pragma once
#include <gtest/gtest.h>
#include <QImage>

class OffscreenTarget;

// A real OpenGL context (compatibility profile, under Xvfb when there is no
// display) made current for the whole test program, with an offscreen
// framebuffer of kWidth x kHeight bound as the render target.
class GlContextTest : public ::testing::Test {
public:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 240;

    static void SetUpTestSuite();

    // The framebuffer's current content, top row first.
    static QImage grab();

    // Replaces the render target by one of the given size (and sets the
    // viewport to it).
    static void resizeFramebuffer(int width, int height);

protected:
    void SetUp() override;

private:
    static OffscreenTarget *target;
};

// Pixels of the image that are not black.
int litPixels(const QImage &image);

// The drawing left the GL state as the frame expects it: one model-view
// matrix on the stack, counter-clockwise front faces, no 2D texturing and
// no pending error.
void expectGlStateClean(const char *where);
