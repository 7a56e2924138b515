#include "levels/ScriptedLevel.h"

#include "levels/LevelBuilder.h"
#include "levels/LevelReader.h"
#include "sim/GameRegistry.h"

#include <cstdio>

const LevelDescription &ScriptedLevel::description()
{
    if (!read) {
        read = true;
        LevelReading reading = readLevelFile(levelFile);
        for (const std::string &error : reading.errors)
            std::fprintf(stderr, "%s\n", error.c_str());
        level = std::move(reading.level);
    }
    return level;
}

std::string ScriptedLevel::name() const
{
    const size_t slash = levelFile.find_last_of("/\\");
    std::string base = slash == std::string::npos ? levelFile : levelFile.substr(slash + 1);
    if (const size_t dot = base.rfind('.'); dot != std::string::npos && dot > 0)
        base.erase(dot);
    return base;
}

void ScriptedLevel::configure()
{
    // What the file leaves unset stays standard.
    useStandardExtentAndGravity();
    for (const LevelCall &call : description().calls) {
        switch (call.operation) {
        case LevelOperation::SetExtent: extent = call.points[0]; break;
        case LevelOperation::SetGravity:
            GameRegistry::setGravity(call.points[0][0], call.points[0][1], call.points[0][2]);
            break;
        case LevelOperation::SetStartHeading:
            startHeading = call.numbers[0];
            runKeyDown = false;
            break;
        default: break;
        }
    }
}

void ScriptedLevel::loadTextures()
{
    for (const LevelCall &call : description().calls)
        if (call.operation == LevelOperation::LoadTexture)
            textures.push_back(GameRegistry::loadTexture(call.textureFile));
}

void ScriptedLevel::buildContent() { buildLevelContent(*this, description(), textures); }

void ScriptedLevel::placeActors() { placeLevelActors(*this, description()); }

void ScriptedLevel::finishSetup() {}
