// The gamepad through SDL's virtual joystick, no hardware: what each
// control gives the world, and a real game played with the pad, whose
// recording the playtest driver replays to the same trace.
#include "ControlledWindow.h"
#include "VirtualPad.h"

#include "audio/AudioDevice.h"
#include "run/GameObjects.h"
#include "run/RunSession.h"
#include "sim/Player.h"

#include <QProcess>
#include <functional>

namespace {
constexpr int kFull = 32767;
constexpr int kPast = 20000; // past the dead zone
constexpr int kHalfTilt = PadState::kDeadZone + (PadState::kAxisMax - PadState::kDeadZone) / 2 + 1;

struct PadCase {
    const char *what;
    std::function<void(VirtualPad &)> act;
    const char *reaches; // the world's calls after one poll
};

const PadCase kPadCases[] = {
    {"left stick inside the dead zone", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_LEFTY, -7000); }, ""},
    {"pushed away past it", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_LEFTY, -kPast); }, "keyPressed 87 0 0 0; "},
    {"back within the release margin", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_LEFTY, -7500); }, ""},
    {"back in the middle", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_LEFTY, 0); }, "keyReleased 87 0; "},
    {"pulled back and right", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_LEFTY, kFull); p.axis(SDL_CONTROLLER_AXIS_LEFTX, kPast); },
     "keyPressed 83 0 0 0; keyPressed 68 0 0 0; "},
    {"let go", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_LEFTY, 0); p.axis(SDL_CONTROLLER_AXIS_LEFTX, 0); },
     "keyReleased 83 0; keyReleased 68 0; "},
    {"A tapped between two polls",
     [](VirtualPad &p) { p.button(SDL_CONTROLLER_BUTTON_A, true); SDL_JoystickUpdate(); p.button(SDL_CONTROLLER_BUTTON_A, false); },
     "keyPressed 32 0 0 0; keyReleased 32 0; "},
    {"right trigger", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, kFull); }, "keyPressed 16777248 0 0 0; "},
    {"and the shoulder", [](VirtualPad &p) { p.button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, true); }, ""},
    {"trigger let go", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0); }, ""},
    {"shoulder let go", [](VirtualPad &p) { p.button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, false); }, "keyReleased 16777248 0; "},
    // At the player's 6 degrees a move of the mouse is two level moves.
    {"right stick right", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_RIGHTX, kFull); }, "move 1 0; move 1 0; "},
    {"half left: no move yet", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_RIGHTX, -kHalfTilt); }, ""},
    {"half left: a move every other poll", [](VirtualPad &) {}, "move -1 0; move -1 0; "},
    {"right stick down: a tilt, orbiting", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_RIGHTX, 0); p.axis(SDL_CONTROLLER_AXIS_RIGHTY, kFull); },
     "mouseButton 2 1; move 0 1; move 0 1; mouseButton 2 0; "},
    {"Start", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_RIGHTY, 0); p.button(SDL_CONTROLLER_BUTTON_START, true); }, ""},
    {"walking left", [](VirtualPad &p) { p.axis(SDL_CONTROLLER_AXIS_LEFTX, -kFull); }, "keyPressed 65 0 0 0; "},
    {"unplugged mid-walk", [](VirtualPad &p) { p.unplug(); }, "keyReleased 65 0; "},
};

TEST_F(ControlledWindowTest, EachPadControlReachesTheWorldAsKeysAndMouseMoves)
{
    VirtualPad pad;
    ASSERT_NE(pad.joystick, nullptr) << SDL_GetError();
    gamepad->poll();
    ASSERT_EQ(gamepad->padCount(), 1);
    int pauses = 0;
    QObject::connect(gamepad.get(), &Gamepad::pauseRequested, [&] { ++pauses; });
    GameSettings sixDegrees = settings->values();
    sixDegrees.turnDegrees = 6;
    settings->change(sixDegrees);
    for (const PadCase &row : kPadCases) {
        row.act(pad);
        gamepad->poll();
        EXPECT_EQ(takeCalls(), row.reaches) << row.what;
    }
    EXPECT_EQ(pauses, 1);
    EXPECT_EQ(gamepad->padCount(), 0);
}

// Level01 from its start: walking left is safe for some 60 steps; the hero
// jumps straight up and lands again within 45.
TEST(GamepadPlayTest, TheStickWalksAJumpsAnUnplugStopsAndTheDriverReplaysTheRecording)
{
    ensureApplication();
    TempDir dir;
    GameObjects game = createGameObjects();
    RunSession session;
    ASSERT_EQ(session.recordInto(dir.path("pad.play")) + session.traceInto(dir.path("window.trace")), "");
    session.attach(game.proxy, game.worlds);
    Gamepad gamepad;
    GameWindowSetup setup{320, 240, false, &session};
    setup.gamepad = &gamepad;
    QtFenster *window = openGameWindow(game.proxy, setup);
    ASSERT_TRUE(QTest::qWaitFor([&] { return session.stepsRun() > 5; }, 30000));
    const Player *hero = GameRegistry::getPlayer();
    VirtualPad pad;
    ASSERT_TRUE(QTest::qWaitFor([&] { return gamepad.padCount() == 1; }));

    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return hero->isInAir(); })) << "A jumps";
    pad.button(SDL_CONTROLLER_BUTTON_A, false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return hero->isOnGround(); }));
    const float startX = hero->getPosition()[0];
    pad.axis(SDL_CONTROLLER_AXIS_LEFTX, -kFull);
    EXPECT_TRUE(QTest::qWaitFor([&] { return hero->getPosition()[0] < startX - 0.5f; })) << "the stick walks";
    pad.unplug();
    const long unplugged = session.stepsRun();
    ASSERT_TRUE(QTest::qWaitFor([&] { return session.stepsRun() > unplugged + 3; }));
    const SbVec3f stopped = hero->getPosition();
    ASSERT_TRUE(QTest::qWaitFor([&] { return session.stepsRun() > unplugged + 20; }));
    EXPECT_TRUE(hero->getPosition() == stopped) << "the unplug stopped him";

    window->close();
    ASSERT_EQ(session.finish("Pad"), "");
    delete window;
    closeAudio();
    QProcess driver;
    driver.start("../tools/playtest/playtest", {QString::fromStdString(dir.path("pad.play"))}); // from the run directory
    ASSERT_TRUE(driver.waitForFinished(120000)) << driver.errorString().toStdString();
    QString driverTrace;
    for (const QString &line : QString(driver.readAllStandardOutput()).split('\n'))
        if (line.startsWith("frame ") || line.startsWith("summary:"))
            driverTrace += line + "\n";
    EXPECT_EQ(driverTrace.toStdString(), readText(dir.path("window.trace"))) << readText(dir.path("pad.play"));
}
} // namespace
