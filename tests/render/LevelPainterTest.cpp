// A level's painter drawing into a viewport of no height.
#include "render/ComicStyle.h"
#include "render/GL.h"
#include "render/LevelPainter.h"
#include "sim/GameRegistry.h"
#include "sim/WorldProxy.h"
#include "support/GlContext.h"
#include "support/TestLevel.h"

#include <gtest/gtest.h>

namespace {
struct LevelPainting : GlContextTest {
    GameRegistry registry;
    ComicStyle style;
    TestLevel level;
    LevelPainter painter{level};
    WorldProxy proxy{&level};

    void SetUp() override
    {
        GlContextTest::SetUp();
        GameRegistry::setWorlds({&level});
        GameRegistry::setWorldProxy(&proxy);
        GameRegistry::setComicStyle(&style);
        level.setPainter(&painter);
        level.build = [](TestLevel &l) { l.addQuadrat(SbVec3f(0, 0, 0), 20, 10, 20); };
        level.place = [](TestLevel &l) { l.setStartPosition(SbVec3f(10, 1, 10)); };
    }
};
} // namespace

// Qt paints no window of zero height, but a minimised window's resize leaves
// the world a viewport of zero height to draw into.
TEST_F(LevelPainting, DrawnIntoAZeroHeightViewportLeavesNoGlError)
{
    proxy.initializeGL();
    for (int height : {kHeight, 0}) {
        SCOPED_TRACE(height);
        proxy.resize(kWidth, height);
        proxy.paint();
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
    proxy.resize(kWidth, kHeight);
}
