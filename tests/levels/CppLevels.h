#pragma once
// The eight levels as they were written in C++ before they became level
// files, kept as the reference that the files are proven against.
#include "app/GameRegistry.h"
#include "world/Level.h"

#include <array>

class CppScriptedLevel : public Level {
public:
    using TextureFiles = std::array<const char *, 3>;
    explicit CppScriptedLevel(TextureFiles files) : textureFiles(files) {}

    void configure() override { useStandardSettings(); }
    void loadTextures() override
    {
        for (const char *file : textureFiles)
            textures.push_back(GameRegistry::loadTexture(file));
    }
    void finishSetup() override {}

    const TextureFiles textureFiles;
};

#define CPP_LEVEL(name)                                                                                                \
    class name : public CppScriptedLevel {                                                                             \
    public:                                                                                                            \
        name();                                                                                                        \
        void buildContent() override;                                                                                  \
        void placeActors() override;                                                                                   \
    }

CPP_LEVEL(CppLevel01);
CPP_LEVEL(CppLevel02);
CPP_LEVEL(CppLevel03);
CPP_LEVEL(CppLevel05);
CPP_LEVEL(CppLevel06);
CPP_LEVEL(CppLevel07);
CPP_LEVEL(CppLevel08);

class CppLevel04 : public CppScriptedLevel {
public:
    CppLevel04();
    void configure() override;
    void buildContent() override;
    void placeActors() override;
};
