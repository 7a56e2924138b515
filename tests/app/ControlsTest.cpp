// The player's controls between Qt and the world: keys bound in the
// settings window reach the world as the levels' keys, and mouse moves as
// whole 3-degree level moves at the player's rate.
#include "render/GL.h"

#include "app/GameRegistry.h"
#include "app/QtFenster.h"
#include "app/SettingsStore.h"
#include "app/SettingsWindow.h"
#include "app/TurnScaler.h"
#include "app/WorldProxy.h"
#include "support/Application.h"
#include "support/Files.h"
#include "support/RecordingWorld.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {
using Steps = std::vector<TurnScaler::Step>;

struct TurnCase {
    const char *what;
    double degrees;
    bool invert;
    std::vector<TurnScaler::Step> moves;
    // The level moves each mouse move gives, one list per move.
    std::vector<Steps> expected;
};

const TurnCase kTurnCases[] = {
    {"3 degrees: each move is itself", 3, false, {{1, 0}, {-1, 1}, {0, -1}}, {{{1, 0}}, {{-1, 1}}, {{0, -1}}}},
    {"4.5 there and back: 3 level moves each way", 4.5, false, {{1, 0}, {1, 0}, {-1, 0}, {-1, 0}},
     {{{1, 0}}, {{1, 0}, {1, 0}}, {{-1, 0}}, {{-1, 0}, {-1, 0}}}},
    {"1 degree: every third move", 1, false, {{1, 0}, {1, 0}, {1, 0}}, {{}, {}, {{1, 0}}}},
    {"0.5 to and fro never adds up", 0.5, false, {{1, 0}, {-1, 0}, {1, 0}, {-1, 0}, {1, 0}, {-1, 0}}, {{}, {}, {}, {}, {}, {}}},
    {"6 degrees on both axes", 6, false, {{1, -1}}, {{{1, -1}, {1, -1}}}},
    {"inverted pitch flips only the vertical", 3, true, {{1, 1}, {0, -1}}, {{{1, -1}}, {{0, 1}}}},
};

TEST(TurnScalerTest, MovesBecomeWholeLevelMovesWithoutDrift)
{
    for (const TurnCase &row : kTurnCases) {
        SCOPED_TRACE(row.what);
        TurnScaler scaler;
        for (size_t i = 0; i < row.moves.size(); ++i)
            EXPECT_TRUE(scaler.move(row.moves[i].dx, row.moves[i].dy, row.degrees, row.invert) == row.expected[i]) << "move " << i;
    }
}

// A game window on a recording world, with a settings file of its own.
struct BoundWindowTest : ::testing::Test {
    GameRegistry registry;
    RecordingWorld world;
    std::unique_ptr<WorldProxy> proxy;
    TempDir dir;
    std::unique_ptr<SettingsStore> settings;
    QtFenster *window = nullptr;
    SettingsWindow *settingsWindow = nullptr;

    void SetUp() override
    {
        ensureApplication();
        proxy = std::make_unique<WorldProxy>(&world);
        GameRegistry::setWorlds({&world});
        GameRegistry::setWorldProxy(proxy.get());
        settings = std::make_unique<SettingsStore>(QString::fromStdString(dir.path("torchhero.conf")));
        GameWindowSetup setup;
        setup.width = 400;
        setup.height = 300;
        setup.settings = settings.get();
        window = openGameWindow(proxy.get(), setup);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        settingsWindow = new SettingsWindow(settings.get());
        settingsWindow->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(settingsWindow));
    }

    void TearDown() override
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            delete w;
    }

    // Clicks the action's button in the settings window and presses the key.
    void bind(KeyBindings::Action action, Qt::Key key)
    {
        QTest::mouseClick(settingsWindow->keyButton(action), Qt::LeftButton);
        QTest::keyClick(settingsWindow->keyButton(action), key);
    }

    // The key code the world got for a press and release of `key`, "-"
    // when it got none.
    std::string worldGets(Qt::Key key)
    {
        world.calls.clear();
        QTest::keyClick(window, key);
        for (const std::string &call : world.calls)
            if (call.rfind("keyPressed ", 0) == 0)
                return call.substr(11, call.find(' ', 11) - 11);
        return "-";
    }
};

struct KeyCase {
    Qt::Key pressed;
    const char *reaches;
};

void expectKeys(BoundWindowTest &test, std::initializer_list<KeyCase> rows)
{
    for (const KeyCase &row : rows)
        EXPECT_EQ(test.worldGets(row.pressed), row.reaches) << KeyBindings::keyName(row.pressed).toStdString();
}

TEST_F(BoundWindowTest, ABoundKeyReachesTheWorldAsTheLevelsKeyASwapLosesNoneAndDefaultsRestore)
{
    bind(KeyBindings::Forward, Qt::Key_I);
    EXPECT_EQ(settingsWindow->keyButton(KeyBindings::Forward)->text(), "I");
    // I is W now; W, given away, does nothing; the arrow still walks.
    expectKeys(*this, {{Qt::Key_I, "87"}, {Qt::Key_W, "-"}, {Qt::Key_Up, "16777235"}, {Qt::Key_Space, "32"}, {Qt::Key_K, "75"}});

    bind(KeyBindings::Jump, Qt::Key_I);
    EXPECT_TRUE(settingsWindow->notice().contains("Walk forward, which takes Space")) << settingsWindow->notice().toStdString();
    expectKeys(*this, {{Qt::Key_I, "32"}, {Qt::Key_Space, "87"}, {Qt::Key_W, "-"}});
    EXPECT_EQ(readSettings(settings->path()).settings.keys.key(KeyBindings::Forward), Qt::Key_Space) << "kept in the file";

    bind(KeyBindings::Run, Qt::Key_F1); // the window's own: refused
    EXPECT_TRUE(settingsWindow->notice().startsWith("Not bound")) << settingsWindow->notice().toStdString();
    bind(KeyBindings::Run, Qt::Key_Escape); // Escape keeps the key
    EXPECT_EQ(settings->values().keys.key(KeyBindings::Run), Qt::Key_Shift);

    QTest::mouseClick(settingsWindow->findChild<QPushButton *>("defaults"), Qt::LeftButton);
    expectKeys(*this, {{Qt::Key_I, "73"}, {Qt::Key_W, "87"}, {Qt::Key_Space, "32"}});
}

TEST_F(BoundWindowTest, AKeyHeldWhileItsBindingChangesIsReleasedAsItWasPressed)
{
    bind(KeyBindings::Forward, Qt::Key_I);
    QTest::keyPress(window, Qt::Key_I);
    bind(KeyBindings::Back, Qt::Key_I);
    world.calls.clear();
    QTest::keyRelease(window, Qt::Key_I);
    EXPECT_EQ(world.count("keyReleased 87"), 1);
}

TEST_F(BoundWindowTest, MouseMovesComeAtThePlayersDegrees)
{
    GameSettings values = settings->values();
    values.turnDegrees = 4.5;
    settings->change(values);
    world.calls.clear();
    const QPoint centre(window->pos().x() + window->width() / 2, window->pos().y() + window->height() / 2);
    for (int i = 0; i < 2; ++i) {
        const QPoint right = centre + QPoint(30, 0);
        QMouseEvent move(QEvent::MouseMove, QPointF(window->mapFromGlobal(right)), QPointF(right), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window, &move);
    }
    int rightOfCentre = 0;
    for (const std::string &call : world.calls) {
        int x = 0, y = 0, cx = 0, cy = 0;
        if (std::sscanf(call.c_str(), "mouseMoved %d %d %d %d", &x, &y, &cx, &cy) == 4 && x > cx)
            ++rightOfCentre;
    }
    EXPECT_EQ(rightOfCentre, 3) << "9 degrees in 3-degree level moves";
}
} // namespace
