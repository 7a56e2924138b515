#pragma once
#include "world/Level.h"

class Level05 : public Level {
public:
    void configure() override;
    void loadTextures() override;
    void buildContent() override;
    void placeActors() override;
    void finishSetup() override;
};
