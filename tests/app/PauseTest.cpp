// The window's own keys in a real game window driven by real Qt events: P,
// losing the focus and F4 stop the steps and the play clock, letting go of
// what is held; P or a click resumes, and the click reaches no world; G
// shows and hides the ghost; F10 opens the settings from the paused game.
#include "render/GL.h"

#include "app/QtFenster.h"
#include "app/SettingsStore.h"
#include "app/SettingsWindow.h"
#include "run/RunSession.h"
#include "sim/GameRegistry.h"
#include "sim/WorldProxy.h"
#include "support/Application.h"
#include "support/RecordingWorld.h"
#include "support/WaitFor.h"

#include <QFocusEvent>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {
struct PauseTest : ::testing::Test {
    GameRegistry registry;
    RecordingWorld world;
    std::vector<World *> worlds{&world};
    std::unique_ptr<WorldProxy> proxy;
    RunSession session;
    QtFenster *window = nullptr;

    void SetUp() override
    {
        ensureApplication();
        proxy = std::make_unique<WorldProxy>(&world);
        GameRegistry::setWorlds(worlds);
        GameRegistry::setWorldProxy(proxy.get());
        session.attach(proxy.get(), worlds);
        window = new QtFenster(proxy.get());
        window->setSession(&session);
        window->resize(320, 240);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        ASSERT_TRUE(waitFor([&] { return world.count("step") > 0; }));
    }

    void TearDown() override { delete window; }

    // While paused, a second and a half passes without a step, a tick of
    // the clock or a second drawing.
    void expectStandingStill()
    {
        const int steps = world.count("step");
        const QTime clock = window->getPlayTime();
        const long stepsRun = session.stepsRun();
        QTest::qWait(1500);
        EXPECT_EQ(world.count("step"), steps);
        EXPECT_EQ(session.stepsRun(), stepsRun);
        EXPECT_EQ(window->getPlayTime(), clock);
    }
};
} // namespace

TEST_F(PauseTest, PAndMinimisingStopStepsAndClockAndEscapeStillQuits)
{
    QTest::keyPress(window, Qt::Key_W);
    QTest::keyClick(window, Qt::Key_P);
    EXPECT_TRUE(window->isPaused());
    EXPECT_EQ(world.count("keyReleased 87"), 1) << "the pause lets go of what is held";
    EXPECT_EQ(world.count("keyPressed 80"), 0) << "P is the window's, not the world's";
    world.calls.clear();
    expectStandingStill();
    // The paused picture is drawn once and kept.
    EXPECT_LE(world.count("drawFrame"), 1);
    // Keys, moves and the wheel wait for the game to resume.
    QTest::keyClick(window, Qt::Key_Space);
    EXPECT_EQ(world.count("keyPressed"), 0);

    QTest::keyClick(window, Qt::Key_P);
    EXPECT_FALSE(window->isPaused());
    const int steps = world.count("step");
    EXPECT_TRUE(waitFor([&] { return world.count("step") > steps + 10; }));

    // Minimising pauses too; Escape quits, paused or not.
    QTest::keyClick(window, Qt::Key_F4);
    EXPECT_TRUE(window->isPaused());
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_TRUE(waitFor([&] { return !window->isVisible(); }));
}

TEST_F(PauseTest, FocusLossPausesLettingGoAndAClickResumesWithoutReachingTheWorld)
{
    QTest::keyPress(window, Qt::Key_W);
    QTest::mousePress(window, Qt::RightButton);
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(window, &out);
    EXPECT_TRUE(window->isPaused());
    EXPECT_EQ(world.count("keyReleased 87 0"), 1);
    EXPECT_EQ(world.count("mouseButton 2 0"), 1);
    // Coming back does not resume by itself.
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(window, &in);
    world.calls.clear();
    expectStandingStill();

    QTest::mouseClick(window, Qt::LeftButton);
    EXPECT_FALSE(window->isPaused());
    EXPECT_EQ(world.count("mouseButton"), 0) << "the click that resumes must not jump";
    const int steps = world.count("step");
    EXPECT_TRUE(waitFor([&] { return world.count("step") > steps + 10; }));
    QTest::mouseClick(window, Qt::LeftButton);
    EXPECT_EQ(world.count("mouseButton 1 1"), 1) << "the next click is the player's again";
}

TEST_F(PauseTest, GTogglesTheGhostAsBoundAndF10OpensTheSettingsOnlyWhenPaused)
{
    QTemporaryDir folder;
    SettingsStore store(folder.filePath("torchhero.conf"));
    window->setControls(&store);
    window->setSettings(&store);
    TimeTrialSetup setup;
    setup.keepRecords = false;
    session.startTimeTrial(setup);
    QTest::keyClick(window, Qt::Key_G);
    EXPECT_FALSE(session.timeTrial()->isGhostShown());
    EXPECT_EQ(world.count("keyPressed 71"), 0) << "G is the window's, not the world's";
    GameSettings rebound = store.values();
    rebound.keys.bind(KeyBindings::Ghost, Qt::Key_H);
    store.change(rebound);
    QTest::keyClick(window, Qt::Key_G);
    EXPECT_FALSE(session.timeTrial()->isGhostShown()) << "G is bound to nothing now";
    QTest::keyClick(window, Qt::Key_H);
    EXPECT_TRUE(session.timeTrial()->isGhostShown());

    const auto settingsWindow = [] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (qobject_cast<SettingsWindow *>(w) && w->isVisible())
                return true;
        return false;
    };
    QTest::keyClick(window, Qt::Key_F10);
    EXPECT_FALSE(settingsWindow()) << "playing, F10 does nothing";
    QTest::keyClick(window, Qt::Key_P);
    QTest::keyClick(window, Qt::Key_F10);
    EXPECT_TRUE(waitFor(settingsWindow));
}
