#include "run/LevelFilePlay.h"

#include "levels/LevelReader.h"
#include "levels/ScriptedLevel.h"
#include "run/GameObjects.h"
#include "sim/WorldProxy.h"

ScriptedLevel *LevelFilePlay::read(std::vector<std::string> &errors) const
{
    LevelReading reading = readLevelFile(path);
    errors = std::move(reading.errors);
    return errors.empty() ? new ScriptedLevel(path, std::move(reading.level)) : nullptr;
}

std::vector<std::string> LevelFilePlay::install(GameObjects &game)
{
    std::vector<std::string> errors;
    if (ScriptedLevel *level = read(errors)) {
        replaceWorld(game, 0, level);
        game.proxy->startWith(level);
    }
    return errors;
}

std::vector<std::string> LevelFilePlay::reload(GameObjects &game)
{
    std::vector<std::string> errors;
    if (ScriptedLevel *level = read(errors)) {
        replaceWorld(game, 0, level);
        game.proxy->setWorld(level);
    }
    return errors;
}
