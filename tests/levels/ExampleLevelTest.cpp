// The example level of the players' documentation reads, and its input
// script plays it to the exit.
#include "app/GameRegistry.h"
#include "app/InputScript.h"
#include "app/ScriptPlayer.h"
#include "app/WorldProxy.h"
#include "levels/LevelReader.h"
#include "levels/ScriptedLevel.h"
#include "render/ComicStyle.h"
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
    ScriptPlayer player(script.events);
    long frame = 0;
    for (; frame < frames && proxy.world() == &example; ++frame) {
        player.applyDue(frame, proxy);
        proxy.stepWithoutDrawing();
    }
    EXPECT_EQ(proxy.world(), &next) << "still in the example after " << frame << " frames";
    EXPECT_EQ(GameRegistry::getLives(), 3) << "no life lost on the way";
}
