#include "run/LevelFilePlay.h"

#include "levels/LevelReader.h"
#include "levels/ScriptedLevel.h"
#include "run/GameObjects.h"
#include "sim/WorldProxy.h"

ScriptedLevel *LevelFilePlay::readIntoPlace(GameObjects &game, std::vector<std::string> &errors) const
{
    LevelReading reading = readLevelFile(path);
    errors = std::move(reading.errors);
    if (!errors.empty())
        return nullptr;
    auto *level = new ScriptedLevel(path, std::move(reading.level));
    replaceWorld(game, 0, level);
    return level;
}

std::vector<std::string> LevelFilePlay::install(GameObjects &game)
{
    std::vector<std::string> errors;
    if (ScriptedLevel *level = readIntoPlace(game, errors))
        game.proxy->startWith(level);
    return errors;
}

std::vector<std::string> LevelFilePlay::reload(GameObjects &game)
{
    std::vector<std::string> errors;
    if (ScriptedLevel *level = readIntoPlace(game, errors))
        game.proxy->setWorld(level);
    return errors;
}
