// Frame benchmark: runs the real frame of each level in an offscreen
// 1024 x 768 framebuffer and reports, per level, the mean and the 95th
// percentile of each phase of the frame (moving the actors and boundaries;
// the collision pass with the frame set-up that follows it: extension
// entry points, shader bind, the camera's clear and projection; the shaded
// pass; the outline pass; the overlay; the whole frame), plus the collision
// pass timed on its own and the time initialize takes (a world switch runs
// it inside a frame). Run it from the run directory, under Xvfb.
//
//   framebench [frames] [level index...]   (default: 500 frames, level 0)
#include "app/GameRegistry.h"
#include "app/Startup.h"
#include "app/WorldProxy.h"
#include "levels/Level01.h"
#include "levels/Level02.h"
#include "levels/Level03.h"
#include "levels/Level04.h"
#include "render/BitmapText.h"
#include "render/GlewInit.h"
#include "render/OffscreenTarget.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <numeric>
#include <vector>


namespace {
constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr double kTickMs = 20.0;

using Clock = std::chrono::steady_clock;
double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

enum Phase { Move, CollideAndSetUp, Shaded, Outline, Overlay, Whole, CollideAlone, PhaseCount };
const char *const kPhaseNames[PhaseCount] = {"move",         "collide+setup", "shaded pass",   "outline pass",
                                             "overlay",      "whole frame",   "collide alone"};

// Wraps a level and marks the boundaries between the phases of its frame
// through the hooks the frame calls in a fixed order: beforeUpdate starts
// the step, moveParticles ends the motion, the first drawEntities starts
// the shaded pass, the second the outline pass, drawOverlay the overlay.
// The renderer is asynchronous, so every mark waits for it to finish.
template <typename L> class ProfiledLevel : public L {
public:
    std::vector<double> samples[PhaseCount];

    void beforeUpdate() override
    {
        frameStart = phaseStart = Clock::now();
        drawEntitiesCalls = 0;
        L::beforeUpdate();
    }
    void moveParticles() override
    {
        L::moveParticles();
        mark(Move);
    }
    void drawEntities() override
    {
        mark(drawEntitiesCalls++ == 0 ? CollideAndSetUp : Shaded);
        L::drawEntities();
    }
    // The collision pass by itself, repeated on the state the frames left.
    void timeCollisionPass(int times)
    {
        for (int i = 0; i < times; ++i) {
            const auto start = Clock::now();
            L::collide();
            samples[CollideAlone].push_back(msSince(start));
        }
    }
    void drawOverlay() override
    {
        mark(Outline);
        L::drawOverlay();
        mark(Overlay);
        samples[Whole].push_back(msSince(frameStart));
    }

private:
    void mark(Phase finished)
    {
        finishGl();
        samples[finished].push_back(msSince(phaseStart));
        phaseStart = Clock::now();
    }
    Clock::time_point frameStart, phaseStart;
    int drawEntitiesCalls = 0;
};

struct Stats {
    double mean, p95, max;
};

Stats stats(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const double mean = std::accumulate(v.begin(), v.end(), 0.0) / double(v.size());
    return {mean, v[std::min(v.size() - 1, size_t(double(v.size()) * 0.95))], v.back()};
}

template <typename L> void benchmark(const char *name, int frames, WorldProxy &proxy)
{
    auto *level = new ProfiledLevel<L>;
    const auto start = Clock::now();
    proxy.setWorld(level);
    finishGl();
    const double initMs = msSince(start);
    for (int i = 0; i < frames; ++i)
        proxy.paint();
    level->timeCollisionPass(frames);

    std::printf("%s: initialize %.1f ms, %d frames at %dx%d\n", name, initMs, frames, kWidth, kHeight);
    for (int p = 0; p < PhaseCount; ++p) {
        const Stats s = stats(level->samples[p]);
        std::printf("  %-13s mean %8.3f ms   p95 %8.3f ms   max %8.3f ms\n", kPhaseNames[p], s.mean, s.p95, s.max);
    }
    const Stats whole = stats(level->samples[Whole]);
    std::printf("  headroom against the %.0f ms tick: mean %+.2f ms, p95 %+.2f ms\n", kTickMs,
                kTickMs - whole.mean, kTickMs - whole.p95);
}
} // namespace

int main(int argc, char **argv)
{
    const int frames = argc > 1 ? std::atoi(argv[1]) : 500;
    std::vector<int> levels;
    for (int i = 2; i < argc; ++i)
        levels.push_back(std::atoi(argv[i]));
    if (levels.empty())
        levels.push_back(0);

    GameObjects game = createGameObjects();
    requestCompatibilityContext();
    QApplication application(argc, argv);
    initBitmapFont();
    GameRegistry::setNickname("bench");
    GameRegistry::setPlayTime(QTime(0, 0, 0));

    OffscreenTarget target;
    if (!target.create(kWidth, kHeight)) {
        std::fprintf(stderr, "framebench: no OpenGL context\n");
        return 1;
    }
    game.proxy->resize(kWidth, kHeight);

    // Indices follow the order of play.
    for (int index : levels) {
        switch (index) {
        case 0: benchmark<Level01>("Level01", frames, *game.proxy); break;
        case 1: benchmark<Level03>("Level03", frames, *game.proxy); break;
        case 2: benchmark<Level02>("Level02", frames, *game.proxy); break;
        case 3: benchmark<Level04>("Level04", frames, *game.proxy); break;
        default: std::fprintf(stderr, "framebench: no level %d\n", index); return 2;
        }
    }
    return 0;
}
