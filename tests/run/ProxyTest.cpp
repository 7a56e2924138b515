// The world proxy, and the registry that switches it from world to world.
#include "run/StepRunner.h"
#include "sim/GameRegistry.h"
#include "sim/WorldProxy.h"
#include "support/RecordingWorld.h"

#include <gtest/gtest.h>

using ProxyTest = ::testing::Test;

// The new world is initialised, then its drawing set up; whatever it
// forwards while the switch is under way is dropped.
TEST_F(ProxyTest, ASwitchInitializesThenSetsUpTheDrawingAndDropsWhatItForwards)
{
    RecordingWorld first, second;
    WorldProxy proxy(&first);
    second.onInitialize = [&] {
        EXPECT_TRUE(proxy.isBusy());
        proxy.paint();
        proxy.keyPressed(65, 0, 0, 0);
        proxy.keyReleased(65, 0);
        proxy.mouseMoved(1, 2, 3, 4);
        proxy.mouseButton(1, true);
        proxy.wheelTurned(120);
        proxy.resize(10, 10);
    };
    proxy.setWorld(&second);
    EXPECT_FALSE(proxy.isBusy());
    EXPECT_EQ(second.calls, std::vector<std::string>{"initialize"});
    EXPECT_TRUE(first.calls.empty());
    proxy.wheelTurned(120);
    EXPECT_EQ(second.calls.back(), "wheelTurned 120");
}

TEST_F(ProxyTest, SeveralStepsThenOneDrawingAndASwitchEndsTheSteps)
{
    // The observer's "before" and "after" frame each step where the
    // playtest driver stands between its frames: after the drawing and the
    // switch the step asked for.
    struct Observer : StepObserver {
        std::vector<std::string> &calls;
        explicit Observer(std::vector<std::string> &log) : calls(log) {}
        void beforeStep() override { calls.push_back("before"); }
        void afterStep() override { calls.push_back("after"); }
    };
    struct Row {
        const char *name;
        int steps;
        int switchInStep; // 0: none
        std::vector<std::string> first;
    };
    const Row rows[] = {
        {"no step: nothing drawn", 0, 0, {}},
        {"three steps",
         3,
         0,
         {"before", "step", "after", "before", "step", "after", "before", "step", "drawFrame", "after"}},
        {"a switch in the second of three",
         3,
         2,
         {"before", "step", "after", "before", "step", "drawFrame", "after"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        RecordingWorld first, second;
        WorldProxy proxy(&first);
        Observer observer(first.calls);
        int stepsTaken = 0;
        first.onStep = [&] {
            if (++stepsTaken == row.switchInStep) {
                proxy.requestWorld(&second);
                EXPECT_EQ(proxy.world(), &first) << "the step ends in its own world";
            }
        };
        EXPECT_EQ(runSteps(proxy, row.steps, &observer), stepsTaken);
        EXPECT_EQ(first.calls, row.first);
        EXPECT_EQ(second.calls, row.switchInStep ? std::vector<std::string>{"initialize"}
                                                 : std::vector<std::string>{});
    }
}

TEST_F(ProxyTest, TheRegistryShowsTheLastWorldKeepingItsIndexAndStopsAtTheEnd)
{
    GameRegistry registry;
    RecordingWorld a, b, c, last;
    GameRegistry::setWorlds({&a, &b, &c, &last});
    WorldProxy proxy(GameRegistry::takeNextWorld());
    GameRegistry::setWorldProxy(&proxy);
    GameRegistry::showLastWorld();
    EXPECT_EQ(GameRegistry::currentWorld(), &a) << "until the step is over";
    EXPECT_TRUE(proxy.switchIfRequested());
    EXPECT_EQ(GameRegistry::currentWorld(), &last);
    EXPECT_FALSE(proxy.switchIfRequested()) << "one request, one switch";
    GameRegistry::nextWorld(); // b: the index was kept
    proxy.switchIfRequested();
    EXPECT_EQ(GameRegistry::currentWorld(), &b);
    for (int i = 0; i < 3; ++i) { // c, last, then nothing left
        GameRegistry::nextWorld();
        proxy.switchIfRequested();
    }
    EXPECT_EQ(GameRegistry::currentWorld(), &last);
    EXPECT_EQ(last.count("initialize"), 2);
}
