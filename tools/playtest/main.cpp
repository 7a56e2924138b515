// Plays the real worlds from an input script, without the nickname window,
// frame by frame, and prints a trace of what happened:
//
//   playtest [--world N | --practice N | --level-file FILE] [--frames N]
//            [--positions N] [--nickname NAME] [--play-time h:mm:ss]
//            [--all-worlds] SCRIPT
//   playtest [--world N] [--frames N] [--all-worlds] --random SEED
//
// A script's own "# world:" and "# frames:" headers (a recording has both)
// stand for --world and --frames when those are not given, so that
// `playtest run.play` replays a recorded run as it was played; without
// either, the run starts in Level01 and lasts 3000 frames.
//
// --positions N adds a line with the hero's position and state (and each
// Didud's) every N frames, for working out a route. The trace names the
// Vavodi by their order in the level: "didud 0 death", "didud 0 gone" and
// "didud 0 back" after a restart. --nickname and --play-time set what the
// high-score screen enters (defaults "playtest" and 0:00:00); the nickname
// is cut to seven characters like the nickname window's. The high-score
// screen (--world 8) rewrites HighScore.hs in the working directory: run it
// in a copy of the run directory. --size sets the framebuffer the worlds
// draw into (64x48 by default) and --screenshot saves its last frame.
// --draw-every N draws only every N-th frame, as the window does when its
// repaints are slow: the other frames' steps skip their drawing, and the
// trace must not change. --headless plays the simulation alone, with no GL
// context, nothing drawn and no sound: the trace must not change either.
//
// The registry, the world list and the proxy are set up as start-up does;
// the worlds draw into a small offscreen framebuffer. The play time
// advances one second every 50 frames, so a run depends on nothing but its
// script: the same script always gives the same trace. The trace is the
// one the game window writes with --trace (run/GameTracer.h), so a run
// recorded in the window (--record) plays here to the same lines.
//
// --random SEED plays a reproducible random stream of keys, mouse moves,
// buttons and wheel turns instead of a script (RandomInput.h), refilling
// the lives so that the world keeps being played rather than ending in the
// game-over screen. --all-worlds runs the frames in every world from --world
// on, switching to the next one itself after each. After every frame each
// actor's position and the camera must be finite: the first value that is
// not ends the run with status 3, naming the frame and the seed. A crash
// prints its call stack on standard error (CrashReport.h). Warnings that the
// game shows in a box go to standard error here; nothing waits on a dialog.
#include "app/CommandLine.h"
#include "app/QtNameEntry.h"
#include "audio/AudioDevice.h"
#include "core/FrameSchedule.h"
#include "core/InputScript.h"
#include "core/PlayClock.h"
#include "core/ProcessExit.h"
#include "core/WarningBox.h"
#include "CrashReport.h"
#include "RandomInput.h"
#include "render/BitmapText.h"
#include "render/GlewInit.h"
#include "render/GlFormat.h"
#include "render/OffscreenTarget.h"
#include "run/GameObjects.h"
#include "run/GameTracer.h"
#include "run/LevelFilePlay.h"
#include "run/ScriptPlayer.h"
#include "run/StepRunner.h"
#include "run/TimeTrial.h"
#include "sim/Didud.h"
#include "sim/GameRegistry.h"
#include "sim/Level.h"
#include "sim/Player.h"
#include "sim/WorldProxy.h"

#include <QApplication>
#include <QString>
#include <QTime>
#include <climits>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {
constexpr int kWidth = 64;
constexpr int kHeight = 48;
const char *const kUsage = "usage: playtest [--world N | --practice N | --level-file FILE] [--frames N] [--positions N] [--nickname NAME] "
                           "[--play-time h:mm:ss] [--draw-every N] [--size WxH] [--screenshot FILE.png] [--headless] [--all-worlds] "
                           "SCRIPT | --random SEED\n";
// The lives a random run keeps topping up to.
constexpr int kRandomRunLives = 3;
const char *const kPlayTimeFormat = "h:mm:ss";

constexpr long kDefaultFrames = 3000;

struct Options {
    int world = 0;
    long frames = kDefaultFrames;
    bool worldGiven = false;
    bool framesGiven = false;
    long positions = 0;
    std::string nickname = "playtest";
    std::string playTime = "0:00:00";
    long drawEvery = 1;
    int width = kWidth;
    int height = kHeight;
    std::string screenshot;
    std::string script;
    bool random = false;
    std::uint64_t seed = 0;
    bool allWorlds = false;
    bool headless = false;
    int practice = 0; // the level's number; 0: no practice
    std::string levelFile;
};

bool parseOptions(int argc, char **argv, Options &options)
{
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--world") && i + 1 < argc) {
            options.world = std::atoi(argv[++i]);
            options.worldGiven = true;
        } else if (!std::strcmp(argv[i], "--frames") && i + 1 < argc) {
            options.frames = std::atol(argv[++i]);
            options.framesGiven = true;
        }
        else if (!std::strcmp(argv[i], "--positions") && i + 1 < argc)
            options.positions = std::atol(argv[++i]);
        else if (!std::strcmp(argv[i], "--nickname") && i + 1 < argc)
            options.nickname = argv[++i];
        else if (!std::strcmp(argv[i], "--play-time") && i + 1 < argc)
            options.playTime = argv[++i];
        else if (!std::strcmp(argv[i], "--draw-every") && i + 1 < argc)
            options.drawEvery = std::atol(argv[++i]);
        else if (!std::strcmp(argv[i], "--size") && i + 1 < argc) {
            if (!parseWindowSize(argv[++i], OffscreenTarget::kMaxSide, options.width, options.height))
                return false;
        } else if (!std::strcmp(argv[i], "--screenshot") && i + 1 < argc)
            options.screenshot = argv[++i];
        else if (!std::strcmp(argv[i], "--random") && i + 1 < argc) {
            char *end = nullptr;
            options.seed = std::strtoull(argv[++i], &end, 10);
            options.random = true;
            if (*end != '\0')
                return false;
        } else if (!std::strcmp(argv[i], "--all-worlds"))
            options.allWorlds = true;
        else if (!std::strcmp(argv[i], "--headless"))
            options.headless = true;
        else if (!std::strcmp(argv[i], "--practice") && i + 1 < argc) {
            options.practice = std::atoi(argv[++i]);
            if (options.practice < 1 || options.practice > 8)
                return false;
        } else if (!std::strcmp(argv[i], "--level-file") && i + 1 < argc)
            options.levelFile = argv[++i];
        else if (argv[i][0] != '-' && options.script.empty())
            options.script = argv[i];
        else
            return false;
    }
    return options.script.empty() == options.random && options.frames >= 0 && options.drawEvery >= 1 &&
           options.drawEvery <= INT_MAX && !(options.headless && !options.screenshot.empty()) &&
           (options.practice == 0 || options.levelFile.empty()) &&
           !((options.practice || !options.levelFile.empty()) && (options.worldGiven || options.allWorlds));
}

// A whole decimal number from 0 to `most`, nothing around it.
bool readCount(const std::string &text, long most, long &value)
{
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stol(text);
    return value <= most;
}

// Takes the script's world and frames headers where the command line gave
// none. Empty on success, otherwise why not.
std::string takeHeaders(const InputScript &script, Options &options)
{
    long value = 0;
    const std::string world = script.header("world");
    if (!options.worldGiven && !world.empty()) {
        if (!readCount(world, INT_MAX, value))
            return "bad '# world:' header '" + world + "'";
        options.world = int(value);
    }
    const std::string frames = script.header("frames");
    if (!options.framesGiven && !frames.empty()) {
        if (!readCount(frames, LONG_MAX, value))
            return "bad '# frames:' header '" + frames + "'";
        options.frames = value;
    }
    return {};
}

void printPosition(long frame, const TimeTrial &trial)
{
    const Player *player = GameRegistry::getPlayer();
    if (!player)
        return;
    const SbVec3f at = player->getPosition();
    std::printf("frame %ld: at %.3f %.3f %.3f heading %.0f speed %.3f%s%s\n", frame, at[0], at[1], at[2],
                player->getHeading(), player->getWalkSpeed(), player->isOnGround() ? " ground" : "",
                player->isInAir() ? " air" : "");
    if (const FigurePose *ghost = trial.ghostPose())
        std::printf("frame %ld: ghost at %.3f %.3f %.3f heading %.0f\n", frame, ghost->position[0],
                    ghost->position[1], ghost->position[2], ghost->heading);
    World *world = GameRegistry::currentWorld();
    size_t index = 0;
    for (Entity *actor : world ? world->getEntities() : std::vector<Entity *>())
        if (const auto *didud = dynamic_cast<const Didud *>(actor)) {
            const SbVec3f place = didud->getPosition();
            std::printf("frame %ld: didud %zu at %.3f %.3f %.3f heading %.0f\n", frame, index++, place[0], place[1],
                        place[2], didud->getHeading());
        }
}

// The driver's side of every step: the script's (or the random) input
// before it; after it the play clock, the trace, the positions and the
// check that every value is finite. The play time advances one second
// every 50 steps rather than with the wall clock, so that a run depends on
// nothing but its script.
class Driver : public StepObserver {
public:
    Driver(const Options &options, const InputScript &script, GameObjects &game, GameTracer &tracer,
           TimeTrial &trial, long &frame)
        : options(options), game(game), tracer(tracer), trial(trial), frame(frame), player(script.events),
          randomInput(options.seed), framesIn(game.worlds.size(), 0)
    {
    }

    void beforeStep() override
    {
        player.applyDue(frame, *game.proxy);
        if (options.random) {
            randomInput.sendFrame(*game.proxy);
            if (GameRegistry::getLives() < kRandomRunLives)
                GameRegistry::setLives(kRandomRunLives);
        }
        if (const int index = tracer.currentWorldIndex(); index >= 0)
            ++framesIn[size_t(index)];
        trial.beforeStep();
    }

    void stepped() override { trial.stepped(); }

    void afterStep() override
    {
        ++frame;
        if (frame % FrameSchedule::kStepsPerSecond == 0) // as the window does, stopping at 23:59:59
            GameRegistry::setPlayTime(PlayClock::advance(GameRegistry::getPlayTime(), 1));
        trial.afterStep();
        tracer.observe(frame);
        if (options.positions > 0 && frame % options.positions == 0)
            printPosition(frame, trial);
        if (const std::string bad = firstNonFiniteValue(); !bad.empty() && failure.empty())
            failure = "frame " + std::to_string(frame) + " in world " + std::to_string(tracer.currentWorldIndex()) +
                      ": " + bad + " is not finite (seed " + std::to_string(options.seed) + ")";
    }

private:
    const Options &options;
    GameObjects &game;
    GameTracer &tracer;
    TimeTrial &trial;
    long &frame;
    ScriptPlayer player;
    RandomInput randomInput;

public:
    std::vector<long> framesIn;
    // The first value that was not finite, or empty.
    std::string failure;
};

// Plays the frames: in the start world, or with --all-worlds in every world
// from there on, drawing every --draw-every-th. Returns the exit status: 0,
// or 3 for a value that is not finite.
int play(const Options &options, const InputScript &script, GameObjects &game, GameTracer &tracer,
         TimeTrial &trial, long &frame)
{
    Driver driver(options, script, game, tracer, trial, frame);
    const int lastWorld = options.allWorlds ? int(game.worlds.size()) - 1 : options.world;
    for (int world = options.world; world <= lastWorld && driver.failure.empty(); ++world) {
        if (world != options.world) {
            game.proxy->setWorld(game.worlds[size_t(world)]);
            tracer.enteredInTurn(frame);
        }
        for (const long end = frame + options.frames; frame < end && driver.failure.empty();) {
            const long chunk = std::min(options.drawEvery, end - frame);
            if (runSteps(*game.proxy, int(chunk), &driver) == 0)
                break;
        }
    }
    if (!driver.failure.empty()) {
        std::fprintf(stderr, "playtest: %s\n", driver.failure.c_str());
        return 3;
    }
    if (options.random || options.allWorlds) {
        std::printf("frames in worlds:");
        for (size_t i = 0; i < driver.framesIn.size(); ++i)
            std::printf(" %zu:%ld", i, driver.framesIn[i]);
        std::printf("\n");
    }
    return 0;
}
int run(int argc, char **argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const QTime startTime = QTime::fromString(QString::fromLocal8Bit(options.playTime.c_str()), kPlayTimeFormat);
    if (!startTime.isValid()) {
        std::fprintf(stderr, "playtest: bad play time '%s' (expected h:mm:ss)\n", options.playTime.c_str());
        return 2;
    }
    const InputScript script = options.random ? InputScript() : loadInputScript(options.script);
    std::string problem = script.error.empty() ? takeHeaders(script, options) : script.error;
    if (!problem.empty()) {
        std::fprintf(stderr, "playtest: %s: %s\n", options.script.c_str(), problem.c_str());
        return 1;
    }
    sendWarningsToStandardError();

    GameObjects game = createGameObjects(options.headless ? Presentation::Headless : Presentation::Drawn);
    if (options.practice)
        options.world = levelIndex(game, "Level0" + std::to_string(options.practice));
    if (!options.levelFile.empty()) {
        options.world = 0;
        const std::vector<std::string> errors = LevelFilePlay(options.levelFile).install(game);
        for (const std::string &error : errors)
            std::fprintf(stderr, "%s\n", error.c_str());
        if (!errors.empty())
            return 2;
    }
    if (options.world < 0 || size_t(options.world) >= game.worlds.size()) {
        std::fprintf(stderr, "playtest: no world %d\n", options.world);
        return 2;
    }
    startAtWorld(game, options.world);
    GameRegistry::setNickname(QtNameEntry::nicknameRule(QString::fromLocal8Bit(options.nickname.c_str())));

    std::unique_ptr<QCoreApplication> application;
    OffscreenTarget target;
    if (options.headless) {
        application = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        requestCompatibilityContext();
        application = std::make_unique<QApplication>(argc, argv);
        initBitmapFont();
        if (!target.create(options.width, options.height)) {
            std::fprintf(stderr, "playtest: no OpenGL context\n");
            return 1;
        }
    }

    GameRegistry::setPlayTime(startTime);
    game.proxy->initializeGL();
    game.proxy->resize(options.width, options.height);
    TimeTrialSetup trialSetup;
    trialSetup.practice = options.practice || !options.levelFile.empty();
    trialSetup.levelsKept = options.levelFile.empty();
    TimeTrial trial(*game.proxy, game.worlds, trialSetup);
    showPictureExtras(game, &trial);
    GameTracer tracer(game.worlds, stdout);
    tracer.watchSplits(&trial);
    tracer.observe(0);
    long frame = 0;
    if (const int status = play(options, script, game, tracer, trial, frame); status != 0)
        return status;

    if (!options.screenshot.empty() && !target.grab().save(QString::fromStdString(options.screenshot))) {
        std::fprintf(stderr, "playtest: could not write %s\n", options.screenshot.c_str());
        return 1;
    }
    tracer.summary(frame);
    return 0;
}
} // namespace

int main(int argc, char **argv)
{
    reportCrashes();
    const int status = run(argc, argv);
    closeAudio(); // on every path, the refusals too
    leaveProcess(status);
}
