// The player's controls between Qt and the world: keys bound in the
// settings window reach the world as the levels' keys, and mouse moves as
// whole 3-degree level moves at the player's rate (the window's part of
// that is in GamepadTest: the pad's moves take the same road).
#include "ControlledWindow.h"

#include "app/SettingsWindow.h"
#include "app/TurnScaler.h"

#include <QPushButton>

namespace {
using Steps = std::vector<TurnScaler::Step>;

struct TurnCase {
    const char *what;
    double degrees;
    bool invert;
    Steps moves;
    std::vector<Steps> expected; // the level moves of each move
};

const TurnCase kTurnCases[] = {
    {"3 degrees: a move is itself", 3, false, {{1, 0}, {-1, 1}, {0, -1}}, {{{1, 0}}, {{-1, 1}}, {{0, -1}}}},
    {"4.5 there and back", 4.5, false, {{1, 0}, {1, 0}, {-1, 0}, {-1, 0}}, {{{1, 0}}, {{1, 0}, {1, 0}}, {{-1, 0}}, {{-1, 0}, {-1, 0}}}},
    {"1 degree: every third move", 1, false, {{1, 0}, {1, 0}, {1, 0}}, {{}, {}, {{1, 0}}}},
    {"0.5 to and fro adds up to nothing", 0.5, false, {{1, 0}, {-1, 0}, {1, 0}, {-1, 0}, {1, 0}, {-1, 0}}, {{}, {}, {}, {}, {}, {}}},
    {"6 degrees on both axes", 6, false, {{1, -1}}, {{{1, -1}, {1, -1}}}},
    {"inverted pitch flips the vertical only", 3, true, {{1, 1}, {0, -1}}, {{{1, -1}}, {{0, 1}}}},
};

TEST(TurnScalerTest, MovesBecomeWholeLevelMovesWithoutDrift)
{
    for (const TurnCase &row : kTurnCases) {
        SCOPED_TRACE(row.what);
        TurnScaler scaler;
        for (size_t i = 0; i < row.moves.size(); ++i)
            EXPECT_TRUE(scaler.move(row.moves[i].dx, row.moves[i].dy, row.degrees, row.invert) == row.expected[i]) << i;
    }
}

struct BoundWindowTest : ControlledWindowTest {
    // Clicks the action's button in a settings window and presses the key.
    void bind(KeyBindings::Action action, Qt::Key key)
    {
        if (!bindings) {
            bindings = new SettingsWindow(settings.get());
            bindings->show();
        }
        QTest::mouseClick(bindings->keyButton(action), Qt::LeftButton);
        QTest::keyClick(bindings->keyButton(action), key);
    }

    // The keys the world gets for each key clicked, "-" for none.
    void expectKeys(std::initializer_list<std::pair<Qt::Key, const char *>> rows)
    {
        for (const auto &[clicked, reaches] : rows) {
            QTest::keyClick(window, clicked);
            const std::string calls = takeCalls();
            EXPECT_EQ(calls.empty() ? "-" : calls.substr(11, calls.find(' ', 11) - 11), reaches) << clicked;
        }
    }

    SettingsWindow *bindings = nullptr;
};

TEST_F(BoundWindowTest, ABoundKeyReachesTheWorldAsTheLevelsKeyASwapLosesNoneAndDefaultsRestore)
{
    bind(KeyBindings::Forward, Qt::Key_I);
    // I is W now; W, given away, does nothing; the arrow still walks.
    expectKeys({{Qt::Key_I, "87"}, {Qt::Key_W, "-"}, {Qt::Key_Up, "16777235"}, {Qt::Key_K, "75"}});
    bind(KeyBindings::Jump, Qt::Key_I);
    EXPECT_TRUE(bindings->notice().contains("Walk forward, which takes Space")) << bindings->notice().toStdString();
    expectKeys({{Qt::Key_I, "32"}, {Qt::Key_Space, "87"}, {Qt::Key_W, "-"}});
    EXPECT_EQ(readSettings(settings->path()).settings.keys.key(KeyBindings::Forward), Qt::Key_Space) << "kept";

    bind(KeyBindings::Run, Qt::Key_F1); // the window's own: refused
    EXPECT_TRUE(bindings->notice().startsWith("Not bound")) << bindings->notice().toStdString();
    bind(KeyBindings::Run, Qt::Key_Escape); // keeps the key
    EXPECT_EQ(settings->values().keys.key(KeyBindings::Run), Qt::Key_Shift);
    QTest::mouseClick(bindings->findChild<QPushButton *>("defaults"), Qt::LeftButton);
    expectKeys({{Qt::Key_I, "73"}, {Qt::Key_W, "87"}, {Qt::Key_Space, "32"}});
}

TEST_F(BoundWindowTest, AKeyHeldWhileItsBindingChangesIsReleasedAsItWasPressed)
{
    bind(KeyBindings::Forward, Qt::Key_I);
    QTest::keyPress(window, Qt::Key_I);
    bind(KeyBindings::Back, Qt::Key_I);
    takeCalls();
    QTest::keyRelease(window, Qt::Key_I);
    EXPECT_EQ(takeCalls(), "keyReleased 87 0; ");
}

} // namespace
