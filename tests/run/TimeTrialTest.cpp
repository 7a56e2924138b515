// The time trial on the real Level01 (headless) in practice, attempt after
// attempt: what the notice says against the best (none, faster, a tie,
// slower). (The ghost's retracing is tested on the driver's trace.)
#include "core/InputScript.h"
#include "run/GameObjects.h"
#include "run/ScriptPlayer.h"
#include "run/StepRunner.h"
#include "run/TimeTrial.h"
#include "sim/WorldProxy.h"

#include <gtest/gtest.h>

namespace {
const std::string kRoute = TESTS_SOURCE_DIR "/levels/level01_finish.play";
constexpr long kRouteSteps = 1135; // its split, 0:22.70
// From this step on the hero only turns and walks into the exit pane: a
// late attempt waits here, on the exit slab.
constexpr long kOnTheExitSlab = 1100;

// The trial's hooks around each step, as the session calls them.
class TrialSteps : public StepObserver {
public:
    TrialSteps(TimeTrial &trial, ScriptedSteps &script) : trial(trial), script(script) {}
    void beforeStep() override
    {
        script.beforeStep();
        trial.beforeStep();
    }
    void stepped() override { trial.stepped(); }
    void afterStep() override
    {
        script.afterStep();
        trial.afterStep();
    }

private:
    TimeTrial &trial;
    ScriptedSteps &script;
};

std::string text(const NoticeLine &line)
{
    std::string all;
    for (const NoticePiece &piece : line)
        all += piece.text;
    return all;
}

struct TimeTrialTest : ::testing::Test {
    GameObjects game = createGameObjects(Presentation::Headless);
    TimeTrial trial{*game.proxy, game.worlds, practice()};

    static TimeTrialSetup practice()
    {
        TimeTrialSetup setup;
        setup.practice = true;
        setup.keepRecords = false;
        return setup;
    }

    void SetUp() override
    {
        game.proxy->initializeGL();
    }

    // The route to the exit, waiting `idle` steps on the exit slab; the
    // split it ends with.
    LevelSplit attempt(long idle)
    {
        std::vector<InputEvent> events = loadInputScript(kRoute).events;
        for (InputEvent &event : events)
            if (event.frame >= kOnTheExitSlab)
                event.frame += idle;
        ScriptedSteps script(events, *game.proxy);
        TrialSteps steps(trial, script);
        for (long k = 0; k < kRouteSteps + idle + 10; ++k) {
            runSteps(*game.proxy, 1, &steps);
            if (std::optional<LevelSplit> split = trial.takeSplit()) {
                game.proxy->keyReleased(Qt::Key_W, 0); // held into the exit
                return *split;
            }
        }
        return {};
    }

    std::vector<std::string> notice()
    {
        std::vector<std::string> lines;
        for (const NoticeLine &line : trial.noticeLines())
            lines.push_back(text(line));
        return lines;
    }
};
} // namespace

TEST_F(TimeTrialTest, EachAttemptIsSetAgainstTheBest)
{
    ASSERT_EQ(game.proxy->world(), game.worlds[size_t(levelIndex(game, "Level01"))]);
    // Late by a second, the first attempt: no best to compare with.
    EXPECT_EQ(attempt(50).steps, kRouteSteps + 50);
    EXPECT_EQ(notice(), (std::vector<std::string>{"Practice  Level01", "Level01  0:23.70"}));
    // On time: a second faster, in green.
    EXPECT_EQ(attempt(0).steps, kRouteSteps);
    EXPECT_EQ(notice().back(), "Level01  0:22.70  -0:01.00");
    EXPECT_EQ(trial.noticeLines().back().back().tint, NoticeTint::Green);
    // The same again: a tie, neither colour.
    EXPECT_EQ(attempt(0).steps, kRouteSteps);
    EXPECT_EQ(notice().back(), "Level01  0:22.70  +0:00.00");
    EXPECT_EQ(trial.noticeLines().back().back().tint, NoticeTint::White);
    // Slower, in red; the best stays.
    EXPECT_EQ(attempt(7).steps, kRouteSteps + 7);
    EXPECT_EQ(notice().back(), "Level01  0:22.84  +0:00.14");
    EXPECT_EQ(trial.noticeLines().back().back().tint, NoticeTint::Red);
    EXPECT_EQ(trial.bests().bestSplit(GameRegistry::getNickname(), "Level01"), kRouteSteps);
}
