#include "support/GlContext.h"

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
