#pragma once
#include "world/Level.h"

#include <array>

// One of the eight playable levels: the settings every level shares, its
// three textures (T0, T1, T2 of its script, in that order), and nothing to
// do after the actors are placed. A level only writes its building script
// (buildContent) and its actors (placeActors).
class ScriptedLevel : public Level {
public:
    using TextureFiles = std::array<const char *, 3>;
    explicit ScriptedLevel(TextureFiles files) : textureFiles(files) {}

    void configure() override;
    void loadTextures() override;
    void finishSetup() override;

private:
    TextureFiles textureFiles;
};
