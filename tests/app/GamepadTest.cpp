// The gamepad through SDL's virtual joystick, no hardware: what each
// control gives the world, and a real game played with the pad, whose
// recording the playtest driver replays to the same trace.
#include "render/GL.h"

#include "actors/AudioDevice.h"
#include "actors/Player.h"
#include "app/GameRegistry.h"
#include "app/Gamepad.h"
#include "app/QtFenster.h"
#include "app/RunSession.h"
#include "app/Startup.h"
#include "app/WorldProxy.h"
#include "support/Application.h"
#include "support/Files.h"
#include "support/RecordingWorld.h"
#include "VirtualPad.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace {
template <typename Condition> bool waitFor(Condition condition, int timeoutMs = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < timeoutMs)
        QTest::qWait(5);
    return condition();
}

constexpr int kFull = 32767;
constexpr int kPastDeadZone = 20000;
constexpr int kInsideDeadZone = 7000;
constexpr int kInsideMargin = 7500; // inside the dead zone, not yet by the release margin

struct PadCase {
    const char *what;
    std::function<void(VirtualPad &)> act;
    // The world's calls after one poll, mouse moves as their side of the centre.
    std::vector<std::string> expected;
};

const PadCase kPadCases[] = {
    {"left stick inside the dead zone", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_LEFTY, -kInsideDeadZone); }, {}},
    {"pushed away past it", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_LEFTY, -kPastDeadZone); }, {"keyPressed 87 0 0 0"}},
    {"back near the edge", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_LEFTY, -kInsideMargin); }, {}},
    {"back in the middle", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_LEFTY, 0); }, {"keyReleased 87 0"}},
    {"pulled back and right",
     [](VirtualPad &p) {
         p.axis(SDL_CONTROLLER_AXIS_LEFTY, kFull);
         p.axis(SDL_CONTROLLER_AXIS_LEFTX, kPastDeadZone);
     },
     {"keyPressed 83 0 0 0", "keyPressed 68 0 0 0"}},
    {"let go", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_LEFTY, 0); p.axis(SDL_CONTROLLER_AXIS_LEFTX, 0); },
     {"keyReleased 83 0", "keyReleased 68 0"}},
    {"A pressed and released between two polls",
     [](VirtualPad &p) {
         p.button(SDL_CONTROLLER_BUTTON_A, true);
         SDL_JoystickUpdate();
         p.button(SDL_CONTROLLER_BUTTON_A, false);
     },
     {"keyPressed 32 0 0 0", "keyReleased 32 0"}},
    {"right trigger", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, kFull); }, {"keyPressed 16777248 0 0 0"}},
    {"and the shoulder", [](VirtualPad &p) { p.button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, true); }, {}},
    {"trigger let go, shoulder holds", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0); }, {}},
    {"shoulder let go", [](VirtualPad &p) { p.button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, false); }, {"keyReleased 16777248 0"}},
    {"right stick right", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_RIGHTX, kFull); }, {"move 1 0"}},
    {"right stick down: a tilt, orbiting",
     [](VirtualPad &p) {
         p.axis(SDL_CONTROLLER_AXIS_RIGHTX, 0);
         p.axis(SDL_CONTROLLER_AXIS_RIGHTY, kFull);
     },
     {"mouseButton 2 1", "move 0 1", "mouseButton 2 0"}},
    {"Start: no world call", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_RIGHTY, 0); p.button(SDL_CONTROLLER_BUTTON_START, true); }, {}},
    {"walking left", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_LEFTX, -kFull); }, {"keyPressed 65 0 0 0"}},
    {"unplugged mid-walk", [](VirtualPad &p) { p.unplug(); }, {"keyReleased 65 0"}},
};

struct PadWindowTest : ::testing::Test {
    GameRegistry registry;
    RecordingWorld world;
    std::unique_ptr<WorldProxy> proxy;
    std::unique_ptr<Gamepad> gamepad;
    QtFenster *window = nullptr;

    void SetUp() override
    {
        ensureApplication();
        proxy = std::make_unique<WorldProxy>(&world);
        GameRegistry::setWorlds({&world});
        GameRegistry::setWorldProxy(proxy.get());
        gamepad = std::make_unique<Gamepad>();
        ASSERT_TRUE(gamepad->isAvailable());
        GameWindowSetup setup;
        setup.width = 400;
        setup.height = 300;
        setup.gamepad = gamepad.get();
        window = openGameWindow(proxy.get(), setup);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }

    void TearDown() override
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            delete w;
    }

    // The world's calls since the last look, each mouse move as the side of
    // the centre it lands on ("move 1 0").
    std::vector<std::string> takeCalls()
    {
        std::vector<std::string> calls;
        for (const std::string &call : world.calls) {
            int x = 0, y = 0, cx = 0, cy = 0;
            if (std::sscanf(call.c_str(), "mouseMoved %d %d %d %d", &x, &y, &cx, &cy) == 4)
                calls.push_back("move " + std::to_string((x > cx) - (x < cx)) + " " + std::to_string((y > cy) - (y < cy)));
            else if (call.rfind("key", 0) == 0 || call.rfind("mouse", 0) == 0)
                calls.push_back(call);
        }
        world.calls.clear();
        return calls;
    }
};

std::string joined(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "; ";
    return text;
}

TEST_F(PadWindowTest, EachControlReachesTheWorldAsKeysAndMouseMoves)
{
    VirtualPad pad;
    ASSERT_TRUE(pad.isPlugged()) << SDL_GetError();
    gamepad->poll();
    ASSERT_EQ(gamepad->padCount(), 1);
    int pauses = 0;
    QObject::connect(gamepad.get(), &Gamepad::pauseRequested, [&] { ++pauses; });
    takeCalls();
    for (const PadCase &row : kPadCases) {
        SCOPED_TRACE(row.what);
        row.act(pad);
        gamepad->poll();
        EXPECT_EQ(joined(takeCalls()), joined(row.expected));
    }
    EXPECT_EQ(pauses, 1);
    EXPECT_EQ(gamepad->padCount(), 0);
}

TEST_F(PadWindowTest, AHalfTiltedStickTurnsEveryOtherPoll)
{
    VirtualPad pad;
    gamepad->poll();
    takeCalls();
    const int halfTilt = PadState::kDeadZone + (PadState::kAxisMax - PadState::kDeadZone) / 2 + 1;
    pad.axis(SDL_CONTROLLER_AXIS_RIGHTX, -halfTilt);
    std::vector<size_t> movesPerPoll;
    for (int i = 0; i < 4; ++i) {
        gamepad->poll();
        movesPerPoll.push_back(takeCalls().size());
    }
    EXPECT_EQ(movesPerPoll, (std::vector<size_t>{0, 1, 0, 1}));
}

// Level01 from its start: walking left is safe for some 60 steps; the
// hero jumps straight up and lands again within 45.
TEST(GamepadPlayTest, TheStickWalksAJumpsAnUnplugStopsAndTheDriverReplaysTheRecording)
{
    ensureApplication();
    TempDir dir;
    GameObjects game = createGameObjects();
    GameRegistry::setNickname("Pad");
    RunSession session;
    ASSERT_EQ(session.recordInto(dir.path("pad.play")), "");
    ASSERT_EQ(session.traceInto(dir.path("window.trace")), "");
    session.attach(game.proxy, game.worlds);
    Gamepad gamepad;
    GameWindowSetup setup;
    setup.width = 320;
    setup.height = 240;
    setup.session = &session;
    setup.gamepad = &gamepad;
    QtFenster *window = openGameWindow(game.proxy, setup);
    ASSERT_TRUE(waitFor([&] { return session.stepsRun() > 5; }));
    Player *hero = GameRegistry::getPlayer();
    ASSERT_NE(hero, nullptr);

    VirtualPad pad;
    ASSERT_TRUE(waitFor([&] { return gamepad.padCount() == 1; }));
    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_TRUE(waitFor([&] { return hero->isInAir(); })) << "A jumps";
    pad.button(SDL_CONTROLLER_BUTTON_A, false);
    EXPECT_TRUE(waitFor([&] { return hero->isOnGround(); }));

    const float startX = hero->getPosition()[0];
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, -kFull);
    EXPECT_TRUE(waitFor([&] { return hero->getPosition()[0] < startX - 0.5f; })) << "the stick walks";
    pad.unplug();
    ASSERT_TRUE(waitFor([&] { return gamepad.padCount() == 0; }));
    const long unplugged = session.stepsRun();
    ASSERT_TRUE(waitFor([&] { return session.stepsRun() > unplugged + 2; }));
    const SbVec3f stopped = hero->getPosition();
    ASSERT_TRUE(waitFor([&] { return session.stepsRun() > unplugged + 20; }));
    EXPECT_EQ(hero->getPosition(), stopped) << "the unplug stopped him";

    window->close();
    ASSERT_EQ(session.finish("Pad"), "");
    delete window;
    closeAudio();

    const std::string recording = readText(dir.path("pad.play"));
    for (const char *event : {" key down Space", " key up Space", " key down A", " key up A"})
        EXPECT_NE(recording.find(event), std::string::npos) << event << " in\n" << recording;
    QProcess driver;
    driver.start(QString::fromLocal8Bit(std::getenv("GAME_RUN_DIR")) + "/../tools/playtest/playtest",
                 {QString::fromStdString(dir.path("pad.play"))});
    ASSERT_TRUE(driver.waitForFinished(120000));
    std::istringstream lines(driver.readAllStandardOutput().toStdString());
    std::string driverTrace, line;
    while (std::getline(lines, line))
        if (line.rfind("frame ", 0) == 0 || line.rfind("summary:", 0) == 0)
            driverTrace += line + "\n";
    EXPECT_EQ(driverTrace, readText(dir.path("window.trace")));
}
} // namespace
