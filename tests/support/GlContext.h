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
