// The example level of the players' documentation reads, and its input
// script plays it to the exit.
#include "core/InputScript.h"
#include "levels/LevelReader.h"
#include "levels/ScriptedLevel.h"
#include "render/ComicStyle.h"
#include "run/ScriptPlayer.h"
#include "run/StepRunner.h"
#include "sim/GameRegistry.h"
#include "sim/WorldProxy.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

namespace {
const std::string kExample = TESTS_SOURCE_DIR "/../docs/example.level";
const std::string kExampleScript = TESTS_SOURCE_DIR "/../docs/example.play";
} // namespace

TEST(ExampleLevel, ReadsWithoutAnError)
{
    const LevelReading reading = readLevelFile(kExample);
    EXPECT_TRUE(reading.ok()) << reading.errors.front();
}

using ExampleLevelPlay = GlContextTest;

TEST_F(ExampleLevelPlay, ItsScriptReachesTheExit)
{
    GameRegistry registry;
    ComicStyle style;
    ScriptedLevel example(kExample), next(kExample);
    GameRegistry::setComicStyle(&style);
    GameRegistry::setWorlds({&example, &next});
    WorldProxy proxy(GameRegistry::takeNextWorld());
    GameRegistry::setWorldProxy(&proxy);
    proxy.initializeGL();

    const InputScript script = loadInputScript(kExampleScript);
    ASSERT_EQ(script.error, "");
    const long frames = std::stol(script.header("frames"));
    ScriptedSteps play(script.events, proxy);
    runSteps(proxy, int(frames), &play);
    EXPECT_EQ(proxy.world(), &next) << "still in the example after " << play.stepsRun() << " frames";
    EXPECT_EQ(GameRegistry::getLives(), 3) << "no life lost on the way";
}
