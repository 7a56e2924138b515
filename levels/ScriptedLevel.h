#pragma once
#include "levels/LevelDescription.h"
#include "sim/Level.h"

#include <string>

// A level built from its level file (docs/levels.md): the file's settings,
// its textures, its building table and its actors, each in its set-up
// step. The eight playable levels are such files, compiled into the
// program as resources (":/levels/Level01.level" ...).
class ScriptedLevel : public Level {
public:
    explicit ScriptedLevel(std::string levelFile) : levelFile(std::move(levelFile)) {}
    // A level from a description already read from its file (and found
    // good): the file is not read again.
    ScriptedLevel(std::string levelFile, LevelDescription description)
        : levelFile(std::move(levelFile)), read(true), level(std::move(description))
    {
    }

    void configure() override;
    void loadTextures() override;
    void buildContent() override;
    void placeActors() override;
    void finishSetup() override;

    // What the level builds from; the file is read on first use. A file
    // that cannot be read or is refused leaves it empty (the errors went to
    // standard error), and the level then has nothing in it.
    const LevelDescription &description();
    // The level's name: its file's name without folder and extension
    // ("Level01"), under which splits and ghosts are kept.
    std::string name() const;
    const std::string &file() const { return levelFile; }

private:
    std::string levelFile;
    bool read = false;
    LevelDescription level;
};
