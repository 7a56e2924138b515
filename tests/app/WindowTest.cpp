// Real windows driven by real Qt events: the nickname window and the game
// window, wired to a world that records what reaches it.
// GLEW before anything that brings in Qt's GL headers.
#include "render/GL.h"

#include "app/QtFenster.h"
#include "app/QtNameEntry.h"
#include "core/FrameSchedule.h"
#include "sim/GameRegistry.h"
#include "sim/WorldProxy.h"
#include "support/Application.h"
#include "support/RecordingWorld.h"
#include "support/WaitFor.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QMouseEvent>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <string>
#include <gtest/gtest.h>
#include <memory>

namespace {

QtFenster *findGameWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *game = qobject_cast<QtFenster *>(w))
            return game;
    return nullptr;
}

struct WindowTest : ::testing::Test {
    GameRegistry registry;
    RecordingWorld world;
    std::unique_ptr<WorldProxy> proxy;

    void SetUp() override
    {
        ensureApplication();
        proxy = std::make_unique<WorldProxy>(&world);
        GameRegistry::setWorlds({&world});
        GameRegistry::setWorldProxy(proxy.get());
    }

    void TearDown() override
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            delete w;
    }
};

struct GameWindowTest : WindowTest {
    QtFenster *window = nullptr;

    void SetUp() override
    {
        WindowTest::SetUp();
        window = new QtFenster(proxy.get());
        window->resize(400, 300);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        ASSERT_TRUE(waitFor([&] { return world.count("drawFrame") > 0; }));
        ASSERT_EQ(world.count("initialize"), 1);
        world.calls.clear();
    }
};

} // namespace

TEST_F(WindowTest, NameEntryKeepsSevenCharactersAndOpensTheGameOnReturn)
{
    for (const std::string typed : {"Wanderer9", ""}) { // an empty nickname is accepted too
        SCOPED_TRACE(typed);
        GameRegistry::setNickname("old");
        world.calls.clear();
        auto *entry = new QtNameEntry(proxy.get());
        entry->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(entry));
        EXPECT_EQ(entry->findChild<QLabel *>()->text(), "Bitte geben sie einen Nickname ein:");

        auto *edit = entry->findChild<QLineEdit *>();
        QTest::keyClicks(edit, QString::fromStdString(typed));
        EXPECT_EQ(edit->text().toStdString(), typed.substr(0, 7));
        EXPECT_EQ(findGameWindow(), nullptr);

        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(GameRegistry::getNickname(), typed.substr(0, 7));
        EXPECT_FALSE(entry->isVisible());
        QtFenster *game = findGameWindow();
        ASSERT_NE(game, nullptr);
        EXPECT_TRUE(waitFor([&] { return world.count("drawFrame") > 0; }));
        TearDown();
    }
}

TEST_F(WindowTest, ClosingTheNameEntryEndsWithoutAGameWindow)
{
    auto *entry = new QtNameEntry(proxy.get());
    entry->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(entry));
    // Closed from inside the application's event loop, as the game runs it:
    // closing the last window ends the loop with 0, the timeout with 1.
    QTimer::singleShot(50, [&] { entry->close(); });
    QTimer::singleShot(3000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(findGameWindow(), nullptr);
    EXPECT_EQ(world.count("initialize"), 0);
}

TEST_F(GameWindowTest, WindowKeysAreHandledOnPressOtherKeysButtonsAndTheWheelReachTheWorld)
{
    for (Qt::Key key : {Qt::Key_F1, Qt::Key_F3, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4})
        QTest::keyClick(window, key);
    EXPECT_EQ(world.count("keyPressed"), 0);
    EXPECT_EQ(world.count("keyReleased"), 5);
    EXPECT_EQ(world.count("keyReleased 16777264 0"), 1); // F1
    // Others are pressed and released, with zero coordinates.
    QTest::keyPress(window, Qt::Key_W, Qt::ShiftModifier);
    QTest::keyRelease(window, Qt::Key_W, Qt::ShiftModifier);
    EXPECT_EQ(world.count("keyPressed 87 0 0 33554432"), 1);
    EXPECT_EQ(world.count("keyReleased 87 33554432"), 1);

    QTest::mousePress(window, Qt::LeftButton);
    QTest::mouseRelease(window, Qt::RightButton);
    // The wheel's larger turn, the vertical one on a tie.
    for (QPoint angle : {QPoint(0, -120), QPoint(90, 0), QPoint(-60, 45), QPoint(30, -50), QPoint(15, 15)}) {
        QWheelEvent wheel(QPointF(10, 10), window->mapToGlobal(QPointF(10, 10)), QPoint(), angle, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(window, &wheel);
    }
    EXPECT_EQ(world.count("mouseButton 1 1"), 1);
    EXPECT_EQ(world.count("mouseButton 2 0"), 1);
    for (int delta : {-120, 90, -60, -50, 15})
        EXPECT_EQ(world.count("wheelTurned " + std::to_string(delta)), 1) << delta;
}

TEST_F(GameWindowTest, MouseMovesAreReportedAgainstTheCentreAndRecentred)
{
    const QPoint centre(window->pos().x() + window->width() / 2,
                        window->pos().y() + window->height() / 2);
    const QPoint right = centre + QPoint(40, -10);
    // A move as the window system reports it: the cursor's global position.
    QMouseEvent move(QEvent::MouseMove, QPointF(window->mapFromGlobal(right)), QPointF(right), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window, &move);
    const QString expectRight = QString("mouseMoved %1 %2 %3 %4")
                                    .arg(right.x()).arg(right.y()).arg(centre.x()).arg(centre.y());
    EXPECT_EQ(world.count(expectRight.toStdString()), 1);
    EXPECT_TRUE(waitFor([&] { return QCursor::pos() == centre; }));
}

TEST_F(GameWindowTest, PlayTimeAdvancesInWholeSecondsWhileFramesArePainted)
{
    ASSERT_TRUE(waitFor([&] { return window->getPlayTime() >= QTime(0, 0, 1); }, 2500));
    const QTime shown = GameRegistry::getPlayTime();
    EXPECT_EQ(shown.msec(), 0);
    EXPECT_GE(shown, QTime(0, 0, 1));
}

namespace {
constexpr int kSlowRepaintMs = 45;
constexpr int kWindowMs = 2000;
// Repaints this long (ms, less a margin for measuring them at the swap) may
// have been capped.
constexpr qint64 kCapMs = FrameSchedule::kMaxStepsPerRepaint * FrameSchedule::kStepUs / 1000 - 5;
} // namespace

TEST_F(WindowTest, SlowRepaintsKeepFiftyStepsASecond)
{
    auto *window = new QtFenster(proxy.get());
    window->resize(320, 240);
    window->setRepaintHook([] { QThread::msleep(kSlowRepaintMs); });
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));

    // The steps the world got between right after one repaint and right
    // after the first repaint two seconds later are those of the
    // wall-clock time in between.
    int repaints = 0, stepsBefore = 0, steps = -1;
    QElapsedTimer clock, sinceRepaint;
    qint64 longestRepaintMs = 0;
    double elapsedMs = -1;
    QObject::connect(window, &QOpenGLWidget::frameSwapped, [&] {
        if (clock.isValid() && elapsedMs < 0)
            longestRepaintMs = std::max(longestRepaintMs, sinceRepaint.elapsed());
        sinceRepaint.start();
        if (++repaints == 10) {
            stepsBefore = world.count("step");
            clock.start();
        } else if (clock.isValid() && elapsedMs < 0 && clock.elapsed() >= kWindowMs) {
            elapsedMs = double(clock.elapsed());
            steps = world.count("step") - stepsBefore;
        }
    });
    ASSERT_TRUE(waitFor([&] { return elapsedMs >= 0; }, 3 * kWindowMs));
    // A repaint that took as long as the cap (a machine stalled by other
    // work) drops time on purpose; then the steps cannot be counted.
    if (longestRepaintMs >= kCapMs)
        GTEST_SKIP() << "a repaint took " << longestRepaintMs << " ms, beyond the cap";

    const int due = int(elapsedMs * 1000 / FrameSchedule::kStepUs + 0.5);
    EXPECT_NEAR(steps, due, 2) << elapsedMs << " ms, the longest repaint " << longestRepaintMs << " ms";
    // And repaints were slow: far fewer repaints than steps.
    EXPECT_LT(repaints, 2 * (10 + due) / 3);
}
