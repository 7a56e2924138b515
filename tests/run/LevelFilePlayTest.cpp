// A level file played in the first level's place, read again while it
// plays: a good edit replaces the level from its start, a bad one leaves
// the level as it was and names the error. Headless: no GL, no sound.
#include "run/GameObjects.h"
#include "run/LevelFilePlay.h"
#include "run/StepRunner.h"
#include "sim/Level.h"
#include "sim/Player.h"
#include "sim/WorldProxy.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {
const std::string kExample = TESTS_SOURCE_DIR "/../docs/example.level";

std::string exampleText()
{
    std::ifstream in(kExample);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void write(const std::string &path, const std::string &text) { std::ofstream(path) << text; }

std::string replaced(std::string text, const std::string &from, const std::string &to)
{
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

SbVec3f heroPlace(const GameObjects &game)
{
    return static_cast<Level *>(game.proxy->world())->getPlayer()->getPosition();
}
} // namespace

TEST(LevelFilePlay, AGoodEditReplacesTheLevelABadOneKeepsIt)
{
    QTemporaryDir folder;
    const std::string path = folder.filePath("mine.level").toStdString();
    write(path, exampleText());
    GameObjects game = createGameObjects(Presentation::Headless);
    LevelFilePlay file(path);
    ASSERT_TRUE(file.install(game).empty());
    ASSERT_EQ(game.proxy->world(), game.worlds[0]);
    game.proxy->initializeGL();
    runSteps(*game.proxy, 60);
    World *first = game.proxy->world();
    const SbVec3f firstStart(10, 4, 5);
    EXPECT_NE(heroPlace(game), firstStart) << "the hero has fallen to the floor";

    // A bad edit: the error names the file, line and column; the level and
    // the hero's place stay.
    write(path, replaced(exampleText(), "setStartPosition (10, 4, 5)", "setStartPosition (10, 4)"));
    const SbVec3f before = heroPlace(game);
    const std::vector<std::string> errors = file.reload(game);
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors.front().rfind(path + ":", 0), 0u) << errors.front();
    EXPECT_EQ(game.proxy->world(), first);
    EXPECT_EQ(heroPlace(game), before);
    runSteps(*game.proxy, 1);

    // A good edit: a new level from the edited file, the hero at its start,
    // and the world list names it in the first place.
    write(path, replaced(exampleText(), "setStartPosition (10, 4, 5)", "setStartPosition (12, 4, 6)"));
    EXPECT_TRUE(file.reload(game).empty());
    EXPECT_NE(game.proxy->world(), first);
    EXPECT_EQ(game.proxy->world(), game.worlds[0]);
    EXPECT_EQ(heroPlace(game), SbVec3f(12, 4, 6));
    EXPECT_EQ(runSteps(*game.proxy, 5), 5);
}
