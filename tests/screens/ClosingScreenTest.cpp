// The two closing screens in a real GL context, each in a private copy of
// the run directory (the high-score screen rewrites its table there).
#include "render/ComicStyle.h"
#include "render/GL.h"
#include "screens/EndLevel.h"
#include "screens/EndLevelPainter.h"
#include "screens/GameOver.h"
#include "screens/GameOverPainter.h"
#include "sim/GameRegistry.h"
#include "sim/Player.h"
#include "sim/WorldProxy.h"
#include "support/Files.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

namespace {
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kFrames = 10;
const char *const kTable = "HIGH SCORES\n"
                           "#      Time         Name\n"
                           "1      0:05:00      Ann\n"
                           "2      0:06:00      Bob\n"
                           "3      0:07:00      Cid";

// Where text of one colour lies within a band of rows, in GL window
// coordinates (origin bottom left): its leftmost column and lowest row.
struct Placement {
    int left = -1;
    int bottom = -1;
};

Placement placement(const QImage &image, QRgb colour, int lowRow, int highRow)
{
    Placement p;
    for (int y = lowRow; y <= highRow; ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, image.height() - 1 - y) & 0xffffff) == (colour & 0xffffff)) {
                if (p.left < 0 || x < p.left)
                    p.left = x;
                if (p.bottom < 0 || y < p.bottom)
                    p.bottom = y;
            }
    return p;
}
} // namespace

class ClosingScreen : public GlContextTest {
protected:
    void SetUp() override
    {
        GlContextTest::SetUp();
        ASSERT_TRUE(runDir.isReady());
        writeFile("HighScore.hs", kTable);
        GameRegistry::setComicStyle(&style);
        resizeFramebuffer(kScreenWidth, kScreenHeight);
    }
    PrivateRunDirectory runDir;
    GameRegistry registry;
    ComicStyle style;
};

// The entry itself (in its place, once, whatever the frames do) is
// script_playtest_driver's, with this table, nickname and time.
TEST_F(ClosingScreen, HighScoreScreenDrawsTheEnteredTableAndTheHoppingHero)
{
    EndLevel screen;
    EndLevelPainter painter(screen);
    screen.setPainter(&painter);
    WorldProxy proxy(&screen);
    GameRegistry::setWorlds({&screen});
    GameRegistry::setWorldProxy(&proxy);
    GameRegistry::setNickname("A B");
    GameRegistry::setPlayTime(QTime(0, 5, 30));
    proxy.initializeGL();
    proxy.resize(kScreenWidth, kScreenHeight);
    while (glGetError() != GL_NO_ERROR) {
    }
    for (int i = 0; i < kFrames; ++i)
        proxy.paint();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_GT(screen.getPlayer()->getHopHeight(), 0.0f) << "the hero hops";
    // The six lines of the table, white, the last one's baseline at
    // 384 + 6 * 15 - 5 * 30 = 324.
    const Placement table = placement(grab(), qRgb(255, 255, 255), 300, 520);
    EXPECT_NEAR(table.left, kScreenWidth / 2 - 168, 3);
    EXPECT_EQ(table.bottom, 324);
}

// The high-score table's place: the test above.
TEST_F(ClosingScreen, GameOverTextStartsWhereTheLayoutPutsIt)
{
    struct Row {
        const char *name;
        int lowRow, highRow; // the band of rows the text line lies in
        Placement expected;  // left: the raster position (the glyph may start a little right of it)
    };
    const Row rows[] = {
        {"title", 375, 420, {404, 384}},
        {"hint", 330, 374, {368, 349 - 5}}, // 'p', 'q' descend
    };
    GameOver gameOver;
    GameOverPainter painter(gameOver);
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT);
        painter.drawOverlay();
        const Placement got = placement(grab(), qRgb(255, 0, 0), row.lowRow, row.highRow);
        EXPECT_GE(got.left, row.expected.left);
        EXPECT_LE(got.left, row.expected.left + 3);
        EXPECT_EQ(got.bottom, row.expected.bottom);
    }
}
