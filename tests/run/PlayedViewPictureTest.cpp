// Pictures from views along the committed level scripts where the drawing
// once went wrong, at the benchmark's 1024 x 768.
//
// The exit pane is translucent and drawn before the rest of the static
// scene, after the figures: where it is the nearest surface it shows the
// clear colour or a figure behind it, never a face of the scenery, from
// whichever side it is seen. Its pixels are where the pane drawn over the
// figures alone is the nearest surface in the whole scene too.
//
// No scenery outline across a figure: a face seen nearly edge-on behind a
// figure has a huge depth slope, and the pull towards the viewer that lets
// the scenery's black lines win against the faces they border must not
// put its edge in front of the figure. A scenery line lies over a figure
// where the picture changes when the scenery's outlines are drawn on top
// of the figures' and the pixel is one where a figure is the nearest
// surface. Along a figure's silhouette the scenery's lines meet the
// figure's own, so the figure's pixels are taken without the rim that a
// line's width covers.
#include "core/InputScript.h"
#include "render/ComicStyle.h"
#include "render/GL.h"
#include "render/LevelPainter.h"
#include "render/Outline.h"
#include "run/GameObjects.h"
#include "run/ScriptPlayer.h"
#include "run/StepRunner.h"
#include "sim/EndCube.h"
#include "sim/GameRegistry.h"
#include "sim/Level.h"
#include "sim/WorldProxy.h"
#include "support/Files.h"
#include "support/GlContext.h"

#include <QDir>
#include <QImage>
#include <cstdio>
#include <vector>

namespace {
constexpr int kShotWidth = 1024;
constexpr int kShotHeight = 768;
constexpr size_t kPixels = size_t(kShotWidth) * kShotHeight;
// Pixels of a figure's rim left out: the widest outline is 4 pixels wide.
constexpr int kRimPixels = 3;

struct View {
    const char *script;
    long steps;
    const char *what;
};

// Depth maps run bottom row first, pictures top row first; a Pixels holds
// one flag a pixel in the pictures' order.
using DepthMap = std::vector<float>;
using Pixels = std::vector<bool>;

DepthMap readDepth()
{
    glFinish();
    DepthMap depth(kPixels);
    glReadPixels(0, 0, kShotWidth, kShotHeight, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
    return depth;
}

size_t depthIndex(int x, int y) { return size_t(kShotHeight - 1 - y) * kShotWidth + size_t(x); }

QImage grabPicture()
{
    glFinish();
    return GlContextTest::grab();
}

void saveShot(const QImage &picture, const char *kind, const View &view)
{
    const QString dir = QDir::currentPath() + "/../screenshots";
    QDir().mkpath(dir);
    picture.save(dir + QString("/%1-%2-%3.png").arg(kind).arg(view.script).arg(view.steps));
}

// Plays the script's first steps in its world, drawing only the last. The
// game objects live in a private copy of the run directory.
class PlayedView {
public:
    explicit PlayedView(const View &view)
    {
        const InputScript script = loadInputScript(std::string(TESTS_SOURCE_DIR "/levels/") + view.script);
        EXPECT_TRUE(script.error.empty()) << script.error;
        EXPECT_TRUE(startAtWorld(game, std::stoi(script.header("world", "0"))));
        game.proxy->initializeGL();
        if (ComicStyle *style = GameRegistry::getComicStyle())
            style->enable(); // its first call builds the program, binding nothing
        ScriptedSteps replay(script.events, *game.proxy);
        EXPECT_EQ(runSteps(*game.proxy, int(view.steps), &replay), view.steps);
        level = dynamic_cast<Level *>(game.proxy->world());
        painter = level ? dynamic_cast<LevelPainter *>(level->getPainter()) : nullptr;
    }

    Level *level = nullptr;
    LevelPainter *painter = nullptr;

private:
    PrivateRunDirectory runDir;
    GameObjects game = createGameObjects();
};

void unbindShader()
{
    if (ComicStyle *style = GameRegistry::getComicStyle())
        style->disable();
}

// The figures alone, shaded, in a fresh frame.
DepthMap figureDepth(LevelPainter &painter)
{
    painter.beginShadedPass();
    painter.drawActors(DrawPass::Shaded);
    unbindShader();
    return readDepth();
}

struct PaneCheck {
    int panePixels = 0;
    int showingScenery = 0;
};

PaneCheck checkExitPane(const Level &level, LevelPainter &painter, const View &view)
{
    painter.beginShadedPass();
    painter.drawShadedPass();
    const DepthMap sceneDepth = readDepth();
    const QImage scene = grabPicture();
    saveShot(scene, "exit-pane", view);

    painter.beginShadedPass();
    painter.drawActors(DrawPass::Shaded);
    for (size_t k = 0; k < level.getStaticBoundaries().size(); ++k)
        if (dynamic_cast<EndCube *>(level.getStaticBoundaries()[k]))
            glCallList(painter.getStaticList() + GLuint(k));
    unbindShader();
    const DepthMap paneDepth = readDepth();
    const QImage pane = grabPicture();
    const DepthMap figures = figureDepth(painter);

    PaneCheck check;
    for (int y = 0; y < kShotHeight; ++y)
        for (int x = 0; x < kShotWidth; ++x) {
            const size_t d = depthIndex(x, y);
            if (paneDepth[d] == figures[d] || paneDepth[d] != sceneDepth[d])
                continue; // not the pane, or the pane hidden behind the scenery
            ++check.panePixels;
            check.showingScenery += scene.pixel(x, y) != pane.pixel(x, y);
        }
    return check;
}

// Pixels where a figure is the nearest surface, its rim left out.
Pixels figureInsides(const DepthMap &figures, const DepthMap &scene)
{
    const auto nearest = [&](int x, int y) {
        const size_t d = depthIndex(x, y);
        return figures[d] < 1.0f && figures[d] == scene[d];
    };
    Pixels inside(kPixels, false);
    for (int y = kRimPixels; y < kShotHeight - kRimPixels; ++y)
        for (int x = kRimPixels; x < kShotWidth - kRimPixels; ++x) {
            bool all = true;
            for (int dy = -kRimPixels; dy <= kRimPixels && all; ++dy)
                for (int dx = -kRimPixels; dx <= kRimPixels && all; ++dx)
                    all = nearest(x + dx, y + dy);
            inside[size_t(y) * kShotWidth + size_t(x)] = all;
        }
    return inside;
}

struct LineCheck {
    int figurePixels = 0;
    int linePixels = 0;
    int linesOverFigures = 0;
};

// The outline pass in two halves: the figures' lines, then the scenery's.
LineCheck checkSceneryLines(LevelPainter &painter, const View &view)
{
    const DepthMap figures = figureDepth(painter);
    painter.beginShadedPass();
    painter.drawShadedPass();
    const Pixels inside = figureInsides(figures, readDepth());

    beginOutline();
    painter.drawActors(DrawPass::Outline);
    const QImage figureLines = grabPicture();
    painter.drawBoundaryOutlines();
    endOutline();
    const QImage picture = grabPicture();
    saveShot(picture, "grazing", view);

    LineCheck check;
    for (int y = 0; y < kShotHeight; ++y)
        for (int x = 0; x < kShotWidth; ++x) {
            const bool line = picture.pixel(x, y) != figureLines.pixel(x, y);
            const bool figure = inside[size_t(y) * kShotWidth + size_t(x)];
            check.figurePixels += figure;
            check.linePixels += line;
            check.linesOverFigures += figure && line;
        }
    return check;
}
} // namespace

using PlayedViewPicture = GlContextTest;

TEST_F(PlayedViewPicture, TheExitPaneShowsNoSceneryThroughIt)
{
    const View views[] = {
        {"level03_finish.play", 425, "the hero walking into the pane, the wall and floor behind it"},
        {"level08_finish.play", 850, "the pane from the left, the floor and a wall behind it"},
    };
    resizeFramebuffer(kShotWidth, kShotHeight);
    for (const View &view : views) {
        SCOPED_TRACE(std::string(view.script) + ", step " + std::to_string(view.steps) + ": " + view.what);
        PlayedView played(view);
        ASSERT_NE(played.painter, nullptr);
        const PaneCheck c = checkExitPane(*played.level, *played.painter, view);
        std::printf("%s step %ld: %d pixels of the exit pane, %d showing the scenery\n", view.script, view.steps,
                    c.panePixels, c.showingScenery);
        EXPECT_GT(c.panePixels, 5000) << "the pane in the picture";
        EXPECT_EQ(c.showingScenery, 0);
    }
}

TEST_F(PlayedViewPicture, NoSceneryLineIsDrawnAcrossAFigure)
{
    const View views[] = {
        {"level08_finish.play", 600, "the top of a low wall at eye height behind the hero"},
        {"level08_plate.play", 200, "the top of the plate's fence behind the hero, two Vavodi beside"},
    };
    resizeFramebuffer(kShotWidth, kShotHeight);
    for (const View &view : views) {
        SCOPED_TRACE(std::string(view.script) + ", step " + std::to_string(view.steps) + ": " + view.what);
        PlayedView played(view);
        ASSERT_NE(played.painter, nullptr);
        const LineCheck c = checkSceneryLines(*played.painter, view);
        std::printf("%s step %ld: %d figure pixels, %d scenery line pixels, %d of them over a figure\n",
                    view.script, view.steps, c.figurePixels, c.linePixels, c.linesOverFigures);
        EXPECT_GT(c.figurePixels, 5000) << "the hero in the picture";
        EXPECT_GT(c.linePixels, 1000) << "the scenery's outlines drawn";
        EXPECT_EQ(c.linesOverFigures, 0);
    }
}
