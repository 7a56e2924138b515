#include "levels/ScriptedLevel.h"

#include "app/GameRegistry.h"

void ScriptedLevel::configure() { useStandardSettings(); }

void ScriptedLevel::loadTextures()
{
    for (const char *file : textureFiles)
        textures.push_back(GameRegistry::loadTexture(file));
}

void ScriptedLevel::finishSetup() {}
