// Frame benchmark: runs the real frame of every world of the game's list
// (the eight levels and both closing screens, whatever the list holds) in
// an offscreen framebuffer and reports per world:
//   - initialize: a world switch runs it inside a frame;
//   - the frame in its phases (step: motion and collisions; set-up: shader
//     bind, the camera's clear, projection and colour ramp; the shaded pass;
//     the outline pass; the overlay), each phase waited for on its own;
//   - the pixels the shaded pass wrote, per pixel of the picture: above 1
//     is overdraw, pixels shaded and then hidden;
//   - the whole frame (one step and one drawing, as a repaint runs it),
//     waited for only at its end: the figure to hold against the 20 ms tick
//     (waiting between phases splits the renderer's work and costs time).
// Run it from the run directory, under Xvfb.
//
//   framebench [--frames N] [--size WxH] [--old] [--outlines smooth|fast] [--against DIR]
//              [world index...]
//
// Defaults: 300 frames of each kind, 1024 x 768, every world. --old draws
// as the game did before: static faces in unit tiles.
// Run it in a copy of the run directory holding the old shader pair
// (tests/run/reference-look) to time the old drawing whole.
// --outlines fast times the game's fast outlines instead of its smooth ones.
// --against DIR times the shader pair in DIR (comic.vs, comic.fs) against
// the game's, frame by frame in turn: on a shared machine the mean of one
// run drifts by some 15 % from the next, which hides a change of a few per
// cent, while two pairs timed in turn drift alike (to about 2 %).
#include "app/CommandLine.h"
#include "audio/AudioDevice.h"
#include "core/ProcessExit.h"
#include "core/WarningBox.h"
#include "render/BitmapText.h"
#include "render/ComicStyle.h"
#include "render/FacePainter.h"
#include "render/GL.h"
#include "render/GlFormat.h"
#include "render/LevelPainter.h"
#include "render/OffscreenTarget.h"
#include "render/Outline.h"
#include "run/GameObjects.h"
#include "run/StepRunner.h"
#include "sim/GameRegistry.h"
#include "sim/Level.h"
#include "sim/WorldProxy.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

namespace {
constexpr int kDefaultWidth = 1024;
constexpr int kDefaultHeight = 768;
constexpr int kDefaultFrames = 300;
// Frames run before timing starts: the first frame builds the shader, the
// hero lands.
constexpr int kWarmUpFrames = 10;
constexpr double kTickMs = 20.0;
constexpr int kLivesAtStart = 3;

using Clock = std::chrono::steady_clock;
double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

enum Phase { Step, SetUp, Shaded, Outline, Overlay, PhaseCount };
const char *const kPhaseNames[PhaseCount] = {"step", "set-up", "shaded pass", "outline pass", "overlay"};

struct Options {
    int frames = kDefaultFrames;
    int width = kDefaultWidth;
    int height = kDefaultHeight;
    bool old = false;
    bool fastOutlines = false;
    std::string against; // a directory with another shader pair, or empty
    std::vector<int> worlds;
};

bool parseOptions(int argc, char **argv, Options &options)
{
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--frames") && i + 1 < argc)
            options.frames = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--size") && i + 1 < argc) {
            if (!parseWindowSize(argv[++i], OffscreenTarget::kMaxSide, options.width, options.height))
                return false;
        } else if (!std::strcmp(argv[i], "--old"))
            options.old = true;
        else if (!std::strcmp(argv[i], "--outlines") && i + 1 < argc) {
            const std::string style = argv[++i];
            if (style != "smooth" && style != "fast")
                return false;
            options.fastOutlines = style == "fast";
        }
        else if (!std::strcmp(argv[i], "--against") && i + 1 < argc)
            options.against = argv[++i];
        else if (argv[i][0] != '-')
            options.worlds.push_back(std::atoi(argv[i]));
        else
            return false;
    }
    return options.frames > 0 && options.width > 0 && options.height > 0;
}

struct Stats {
    double mean, p95, max;
};

Stats stats(std::vector<double> v)
{
    if (v.empty())
        return {0, 0, 0};
    std::sort(v.begin(), v.end());
    const double mean = std::accumulate(v.begin(), v.end(), 0.0) / double(v.size());
    return {mean, v[std::min(v.size() - 1, size_t(double(v.size()) * 0.95))], v.back()};
}

void printStats(const char *name, const std::vector<double> &samples)
{
    const Stats s = stats(samples);
    std::printf("  %-13s mean %7.2f ms   p95 %7.2f ms   max %7.2f ms\n", name, s.mean, s.p95, s.max);
}

std::string loadAverage()
{
    std::ifstream in("/proc/loadavg");
    std::string one, five;
    in >> one >> five;
    return in ? one + " " + five : "unknown";
}

// Times the phases of a frame that the game's loop runs: the step, then the
// phases of the drawing, waiting for the renderer after each.
class PhaseTimer : public StepObserver, public FramePhaseListener {
public:
    std::vector<double> samples[PhaseCount];
    // Pixels the shaded pass wrote in the last frame, overdraw included:
    // the pixels of the picture plus those shaded twice.
    GLuint shadedFragments = 0;

    PhaseTimer() { glGenQueries(1, &query); }
    ~PhaseTimer() override { glDeleteQueries(1, &query); }

    void beforeStep() override { start = Clock::now(); }
    void stepped() override { mark(Step); }
    void phaseEnded(FramePhaseListener::Phase phase) override
    {
        switch (phase) {
        case SetUp:
            mark(::Phase::SetUp);
            glBeginQuery(GL_SAMPLES_PASSED, query);
            break;
        case Shaded:
            glEndQuery(GL_SAMPLES_PASSED);
            mark(::Phase::Shaded);
            glGetQueryObjectuiv(query, GL_QUERY_RESULT, &shadedFragments);
            break;
        case Outline: mark(::Phase::Outline); break;
        case Overlay: mark(::Phase::Overlay); break;
        }
    }

private:
    void mark(::Phase finished)
    {
        glFinish();
        samples[finished].push_back(msSince(start));
        start = Clock::now();
    }
    Clock::time_point start;
    GLuint query = 0;
};

// One frame of the world under test through the game's loop (a step and a
// drawing, as a repaint runs it) with the lives topped up, waited for at
// its end; in ms. A world that asks for another one during the run (its
// exit touched) is switched back to, and that is reported.
struct Bench {
    WorldProxy &proxy;
    World *world;
    bool switched = false;

    double frameMs(StepObserver *observer = nullptr)
    {
        GameRegistry::setLives(kLivesAtStart);
        const auto start = Clock::now();
        runSteps(proxy, 1, observer);
        glFinish();
        const double ms = msSince(start);
        if (proxy.world() != world) {
            switched = true;
            proxy.setWorld(world);
        }
        return ms;
    }
};

// Builds the comic shader pair found in a directory (a pair that does not
// build draws without it, as in the game); null when there is no such
// directory.
std::unique_ptr<ComicStyle> shadersIn(const std::string &dir)
{
    std::error_code error;
    const auto home = std::filesystem::current_path();
    std::filesystem::current_path(dir, error);
    if (error)
        return nullptr;
    auto style = std::make_unique<ComicStyle>();
    style->enable(); // the first call builds the program from the files here
    style->disable();
    std::filesystem::current_path(home);
    return style;
}

// Whole frames of one world, drawn in turn with the game's shader pair and
// with the other one.
void timeAgainst(Bench &bench, const Options &options, ComicStyle &other)
{
    ComicStyle *const game = GameRegistry::getComicStyle();
    ComicStyle *const styles[2] = {game, &other};
    // The other pair's first frames in a world build the renderer's code
    // for it, as the warm-up frames did for the game's pair.
    GameRegistry::setComicStyle(&other);
    for (int i = 0; i < kWarmUpFrames; ++i)
        bench.frameMs();
    std::vector<double> samples[2];
    for (int i = 0; i < 2 * options.frames; ++i) {
        GameRegistry::setComicStyle(styles[i % 2]);
        samples[i % 2].push_back(bench.frameMs());
    }
    GameRegistry::setComicStyle(game);
    printStats("game's pair", samples[0]);
    printStats("--against", samples[1]);
    const double own = stats(samples[0]).mean;
    std::printf("  --against changes the frame by %+.1f %%\n", 100.0 * (stats(samples[1]).mean - own) / own);
}

// One world: switch to it, then the phased frames, then the whole frames.
// The lives are topped up before every frame: a world whose hero keeps
// dying (a level not yet written has no floor) must not end in game over.
void benchmark(int index, World *world, const Options &options, WorldProxy &proxy, ComicStyle *against)
{
    GameRegistry::setLives(kLivesAtStart);
    const auto switchStart = Clock::now();
    proxy.setWorld(world);
    glFinish();
    const double initializeMs = msSince(switchStart);
    auto *level = dynamic_cast<LevelPainter *>(world->getPainter());
    Bench bench{proxy, world};

    for (int i = 0; i < kWarmUpFrames; ++i)
        bench.frameMs();

    PhaseTimer phases;
    if (level) {
        level->setPhaseListener(&phases);
        for (int i = 0; i < options.frames; ++i)
            bench.frameMs(&phases);
        level->setPhaseListener(nullptr);
    }
    std::vector<double> whole;
    for (int i = 0; i < options.frames; ++i)
        whole.push_back(bench.frameMs());

    std::printf("world %d %s: initialize %.1f ms, %d frames at %dx%d%s\n", index,
                worldClassName(*world).c_str(), initializeMs,
                options.frames, options.width, options.height,
                bench.switched ? " (it switched worlds during the run)" : "");
    if (level)
        std::printf("  shaded pass wrote %u pixels, %.2f per pixel of the picture\n", phases.shadedFragments,
                    double(phases.shadedFragments) / (double(options.width) * options.height));
    for (int p = 0; p < PhaseCount; ++p)
        printStats(kPhaseNames[p], phases.samples[p]);
    printStats("whole frame", whole);
    const Stats s = stats(whole);
    std::printf("  headroom against the %.0f ms tick: mean %+.2f ms, p95 %+.2f ms\n", kTickMs,
                kTickMs - s.mean, kTickMs - s.p95);
    if (against)
        timeAgainst(bench, options, *against);
}

int run(int argc, char **argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: framebench [--frames N] [--size WxH] [--old] [--outlines smooth|fast] "
                             "[--against DIR] [world index...]\n");
        return 2;
    }
    // A benchmark never waits on a warning box: warnings go to standard error.
    sendWarningsToStandardError();
    GameObjects game = createGameObjects();
    requestCompatibilityContext();
    QApplication application(argc, argv);
    initBitmapFont();
    GameRegistry::setNickname("bench");
    GameRegistry::setPlayTime(QTime(0, 0, 0));
    if (options.old)
        FacePainter::setStaticDrawing(FacePainter::StaticDrawing::Tiled);
    if (options.fastOutlines)
        setOutlineLines(OutlineLines::Fast);

    OffscreenTarget target;
    if (!target.create(options.width, options.height)) {
        std::fprintf(stderr, "framebench: no OpenGL context\n");
        return 1;
    }
    game.proxy->resize(options.width, options.height);
    std::unique_ptr<ComicStyle> against;
    if (!options.against.empty() && !(against = shadersIn(options.against))) {
        std::fprintf(stderr, "framebench: no directory %s\n", options.against.c_str());
        return 2;
    }
    const char *threads = std::getenv("LP_NUM_THREADS");
    std::printf("renderer: %s; LP_NUM_THREADS=%s; load average %s\n",
                reinterpret_cast<const char *>(glGetString(GL_RENDERER)), threads ? threads : "(unset)",
                loadAverage().c_str());

    if (options.worlds.empty())
        for (size_t i = 0; i < game.worlds.size(); ++i)
            options.worlds.push_back(int(i));
    for (int index : options.worlds) {
        if (index < 0 || size_t(index) >= game.worlds.size()) {
            std::fprintf(stderr, "framebench: no world %d (the list has %zu)\n", index, game.worlds.size());
            return 2;
        }
        benchmark(index, game.worlds[size_t(index)], options, *game.proxy, against.get());
    }
    std::printf("load average at the end: %s\n", loadAverage().c_str());
    return 0;
}
} // namespace

// The test run starts it too, so it leaves past the libraries' exit-time
// teardown, as the game and the playtest driver do.
int main(int argc, char **argv)
{
    const int status = run(argc, argv);
    closeAudio(); // on every path, the refusals too
    leaveProcess(status);
}
