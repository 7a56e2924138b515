// The cheaper drawing gives the picture of the old one: the start view of
// every world of the game's list, drawn through the real frame the old way
// (static faces in unit tiles, the light worked out per pixel by the
// reference shader pair in reference-look/) and the game's way (one quad a
// face, the game's own shader pair), compared pixel by pixel; and the
// game's fast outlines (aliased, a pixel wider) against its smooth ones. Depth and texture coordinates are interpolated
// over other triangles and the outlines are rasterised by other rules, so
// an outline or the edge of a light band may move by a pixel and a sample
// exactly on a tile seam may change; no area may, and a changed pixel away
// from the outlines must take the colour of an old pixel nearby.
// The pictures and a map of the changed pixels go to build/screenshots/.
// Each picture must also show the game's look: textured faces, black
// outlines and the white heads-up display.
#include "render/ComicStyle.h"
#include "render/FacePainter.h"
#include "render/GL.h"
#include "render/LevelPainter.h"
#include "render/Outline.h"
#include "run/GameObjects.h"
#include "sim/GameRegistry.h"
#include "sim/Level.h"
#include "sim/WorldProxy.h"
#include "support/Files.h"
#include "support/GlContext.h"

#include <QDir>
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace {
constexpr int kShotWidth = 640;
constexpr int kShotHeight = 480;
// Colour levels (of 255) a pixel may change by because its colour was
// interpolated over another triangle.
constexpr int kRoundingLevels = 1;
// Most pixels that may change by more than that, per picture: the outlines
// moving by a pixel; the edges of the light bands, where the eye position
// interpolated over a whole face lands on the other side of a threshold;
// and samples taken exactly on a tile seam, where the tiled drawing's
// texture coordinate lands on the other side of a texel.
constexpr double kMostChangedShare = 0.005;
// A band edge or seam may move this far (pixels), a moved pixel then
// taking the colour of an old neighbour to within these levels.
constexpr int kMovedPixels = 2;
constexpr int kNeighbourLevels = 3;

struct Drawing {
    FacePainter::StaticDrawing faces;
    ComicStyle *style;
    OutlineLines outlines;
};

QImage drawWith(Level &level, const Drawing &drawing)
{
    GameRegistry::setComicStyle(drawing.style);
    FacePainter::setStaticDrawing(drawing.faces);
    setOutlineLines(drawing.outlines);
    dynamic_cast<LevelPainter &>(*level.getPainter()).recordStaticList();
    level.drawFrame();
    glFinish();
    return GlContextTest::grab().convertToFormat(QImage::Format_RGB32);
}

int difference(QRgb p, QRgb q)
{
    return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
}

bool isNearBlack(QRgb p) { return qRed(p) + qGreen(p) + qBlue(p) < 30; }

// Distinct colours in a region, how many pixels are (nearly) black or
// (nearly) white, and their summed grey levels.
struct Census {
    std::set<QRgb> colours;
    int black = 0;
    int bright = 0;
    int pixels = 0;
    long grey = 0;
    double meanGrey() const { return double(grey) / pixels; }
};

Census census(const QImage &image, QRect region)
{
    Census c;
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            c.colours.insert(p);
            const int sum = qRed(p) + qGreen(p) + qBlue(p);
            c.black += isNearBlack(p);
            c.bright += sum > 600;
            c.grey += qGray(p);
            ++c.pixels;
        }
    return c;
}

struct Comparison {
    QImage map; // white where a pixel changed by more than rounding
    int changed = 0;
    int largest = 0; // the largest change of one pixel, in levels
    // Changed pixels whose whole 3 x 3 neighbourhood changed too: a changed
    // area rather than a moved line.
    int inAreas = 0;
    // Changed pixels away from the outlines (no pixel of their 3 x 3
    // neighbourhood near black in either picture): band edges and seams
    // that moved; and those of them whose new colour no old pixel within
    // kMovedPixels has, which nothing explains.
    int offOutlines = 0;
    int unexplained = 0;
};

bool takesANeighboursColour(const QImage &old, int x, int y, QRgb colour)
{
    for (int dy = -kMovedPixels; dy <= kMovedPixels; ++dy)
        for (int dx = -kMovedPixels; dx <= kMovedPixels; ++dx) {
            const QPoint p(x + dx, y + dy);
            if (old.rect().contains(p) && difference(old.pixel(p), colour) <= kNeighbourLevels)
                return true;
        }
    return false;
}

Comparison compare(const QImage &a, const QImage &b)
{
    Comparison c;
    c.map = QImage(a.size(), QImage::Format_RGB32);
    c.map.fill(Qt::black);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const int levels = difference(a.pixel(x, y), b.pixel(x, y));
            c.largest = std::max(c.largest, levels);
            if (levels > kRoundingLevels) {
                ++c.changed;
                c.map.setPixel(x, y, qRgb(255, 255, 255));
            }
        }
    const QRgb white = qRgb(255, 255, 255);
    const auto outline = [&](int x, int y) { return isNearBlack(a.pixel(x, y)) || isNearBlack(b.pixel(x, y)); };
    for (int y = 1; y + 1 < a.height(); ++y)
        for (int x = 1; x + 1 < a.width(); ++x) {
            if (c.map.pixel(x, y) != white)
                continue;
            bool area = true, nearOutline = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    area = area && c.map.pixel(x + dx, y + dy) == white;
                    nearOutline = nearOutline || outline(x + dx, y + dy);
                }
            c.inAreas += area ? 1 : 0;
            if (!nearOutline) {
                ++c.offOutlines;
                c.unexplained += takesANeighboursColour(a, x, y, b.pixel(x, y)) ? 0 : 1;
            }
        }
    return c;
}
} // namespace

using WholeFacePicture = GlContextTest;

TEST_F(WholeFacePicture, EveryWorldsStartViewIsTheOldPictureUpToOutlinesAndSeams)
{
    resizeFramebuffer(kShotWidth, kShotHeight);
    const QString dir = QDir::currentPath() + "/../screenshots";
    QDir().mkpath(dir);
    PrivateRunDirectory runDir; // the high-score screen rewrites its table
    ASSERT_TRUE(runDir.isReady());
    using Lines = OutlineLines;
    GameObjects game = createGameObjects();
    ComicStyle reference;
    {
        ScopedWorkingDirectory shaders(TESTS_SOURCE_DIR "/run/reference-look");
        reference.enable(); // builds the program from the files there
    }
    GameRegistry::setNickname("Tester");
    GameRegistry::setPlayTime(QTime(0, 1, 7));

    for (size_t i = 0; i < game.worlds.size(); ++i) {
        auto *level = dynamic_cast<Level *>(game.worlds[i]);
        ASSERT_NE(level, nullptr);
        const std::string worldName = worldClassName(*level);
        SCOPED_TRACE("world " + std::to_string(i) + " " + worldName);
        game.proxy->setWorld(level);
        level->display(); // the first frame of the run builds the shader

        const QImage old = drawWith(*level, {FacePainter::StaticDrawing::Tiled, &reference, Lines::Smooth});
        const QImage whole = drawWith(*level, {FacePainter::StaticDrawing::Whole, game.comicStyle.get(), Lines::Smooth});
        const QImage fast = drawWith(*level, {FacePainter::StaticDrawing::Whole, game.comicStyle.get(), Lines::Fast});
        old.save(dir + QString("/start-%1-old.png").arg(i));
        whole.save(dir + QString("/start-%1-new.png").arg(i));
        fast.save(dir + QString("/start-%1-fast-outlines.png").arg(i));

        const Comparison c = compare(old, whole);
        c.map.save(dir + QString("/start-%1-difference.png").arg(i));
        const double share = double(c.changed) / (kShotWidth * kShotHeight);
        std::printf("world %zu %s: %.3f %% of the pixels changed by more than %d levels (at most by %d), "
                    "%d in changed areas, %d away from the outlines\n",
                    i, worldName.c_str(), 100.0 * share, kRoundingLevels, c.largest, c.inAreas, c.offOutlines);
        EXPECT_LT(share, kMostChangedShare);
        EXPECT_EQ(c.inAreas, 0);
        EXPECT_EQ(c.unexplained, 0) << "changed pixels that no outline or moved band edge explains";
        // The fast lines cover the smooth lines' pixels, give or take one
        // along their edges, and change nothing else.
        const Comparison lines = compare(whole, fast);
        std::printf("  fast outlines: %.3f %% of the pixels changed, %d away from the outlines\n",
                    100.0 * lines.changed / (kShotWidth * kShotHeight), lines.offOutlines);
        EXPECT_LT(double(lines.changed) / (kShotWidth * kShotHeight), kMostChangedShare);
        EXPECT_EQ(lines.inAreas, 0);
        EXPECT_EQ(lines.offOutlines, 0);
        const Census scene = census(whole, QRect(0, 0, kShotWidth, kShotHeight - 120));
        EXPECT_GT(scene.colours.size(), 200u) << "textured faces show many colours";
        EXPECT_GT(scene.black, scene.pixels / 200) << "black outlines";
        EXPECT_LT(scene.black, scene.pixels / 2) << "not mostly black";
        EXPECT_GT(census(whole, QRect(0, kShotHeight - 110, 200, 110)).bright, 100) << "white HUD text";
        if (i == 0) { // the hero's torch lights his slab in the middle, not the far corners
            EXPECT_GT(census(whole, QRect(220, 200, 200, 120)).meanGrey(),
                      census(whole, QRect(0, 0, 80, 60)).meanGrey());
        }
    }
    FacePainter::setStaticDrawing(FacePainter::StaticDrawing::Whole);
    setOutlineLines(Lines::Smooth);
}
