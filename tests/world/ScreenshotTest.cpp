// Renders a fixed room with the hero through the real level frame and
// saves it as build/screenshots/room.png, then checks the features of the
// game's look: textured faces, banded shading, black outlines, the lit
// torch and the heads-up display.
#include "actors/Player.h"
#include "app/GameRegistry.h"
#include "app/WorldProxy.h"
#include "render/ComicStyle.h"
#include "support/GlContext.h"
#include "TestLevel.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>
#include <set>

namespace {
constexpr int kShotWidth = 640;
constexpr int kShotHeight = 480;
constexpr int kSettleFrames = 30;

void buildShowRoom(TestLevel &l)
{
    const unsigned stone = GameRegistry::loadTexture("blueStone.bmp");
    const unsigned grass = GameRegistry::loadTexture("grass.bmp");
    const unsigned brick = GameRegistry::loadTexture("Brick.bmp");
    const int room = l.addQuadrat(SbVec3f(0, 0, 0), 30, 12, 30);
    l.setQuadratTextures(room, grass, stone, brick, brick, brick, brick);
    const int block = l.addQuadrat(SbVec3f(12, 0, 6), 4, 2, 4);
    l.setQuadratTextures(block, stone, grass, stone, stone, stone, stone);
    l.flipQuadrat(block);
    const int step = l.addQuadrat(SbVec3f(18, 0, 8), 3, 1, 3);
    l.setQuadratColor(step, 1.0f, 0.8f, 0.3f);
    l.flipQuadrat(step);
    const int slope = l.addSurface(SbVec3f(6, 0.01f, 4), SbVec3f(10, 0.01f, 4), SbVec3f(6, 2, 9));
    l.setSurfaceTexture(slope, stone);
    l.flipSurface(slope);
    const int lava = l.addHazardousSurface(SbVec3f(20, 0.05f, 14), SbVec3f(26, 0.05f, 14), SbVec3f(20, 0.05f, 18));
    l.setSurfaceColor(lava, 1, 0, 0);
}

// Distinct colours in a region, and how many pixels are (nearly) black.
struct Census {
    std::set<QRgb> colours;
    int black = 0;
    int bright = 0;
    int pixels = 0;
};

Census census(const QImage &image, QRect region)
{
    Census c;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            c.colours.insert(p);
            const int sum = qRed(p) + qGreen(p) + qBlue(p);
            c.black += sum < 30;
            c.bright += sum > 600;
            ++c.pixels;
        }
    return c;
}
} // namespace

using ScreenshotTest = GlContextTest;

TEST_F(ScreenshotTest, RoomWithHeroShowsTheComicLook)
{
    resizeFramebuffer(kShotWidth, kShotHeight);
    GameRegistry registry;
    ComicStyle style;
    TestLevel level;
    WorldProxy proxy(&level);
    GameRegistry::setWorlds({&level});
    GameRegistry::setWorldProxy(&proxy);
    GameRegistry::setComicStyle(&style);
    GameRegistry::setNickname("Tester");
    GameRegistry::setPlayTime(QTime(0, 1, 7));
    level.build = buildShowRoom;
    level.place = [](TestLevel &l) { l.setStartPosition(SbVec3f(15, 3, 20)); };
    proxy.initializeGL();
    for (int i = 0; i < kSettleFrames; ++i)
        level.display();
    ASSERT_FALSE(level.getPlayer()->isDead());

    // Smooth outline lines leave their coverage in alpha; the window shows
    // the picture opaque, and so does the saved file.
    const QImage shot = grab().convertToFormat(QImage::Format_RGB32);
    // Tests run in the run directory; pictures go beside it.
    const QString dir = QDir::currentPath() + "/../screenshots";
    QDir().mkpath(dir);
    EXPECT_TRUE(shot.save(dir + "/room.png"));

    const Census scene = census(shot, QRect(0, 0, kShotWidth, kShotHeight - 120));
    EXPECT_GT(scene.colours.size(), 200u) << "textured faces show many colours";
    EXPECT_GT(scene.black, scene.pixels / 200) << "black outlines";
    EXPECT_LT(scene.black, scene.pixels / 2) << "not mostly black";

    // Heads-up display in the bottom left: white text and the lives icons.
    const Census hud = census(shot, QRect(0, kShotHeight - 110, 200, 110));
    EXPECT_GT(hud.bright, 100) << "white HUD text";

    // The torch lights the room around the hero: the centre of the picture
    // is brighter than the far corners.
    auto brightness = [&](QRect r) {
        long sum = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                sum += qGray(shot.pixel(x, y));
        return double(sum) / (r.width() * r.height());
    };
    EXPECT_GT(brightness(QRect(220, 200, 200, 120)), brightness(QRect(0, 0, 80, 60)));
}
