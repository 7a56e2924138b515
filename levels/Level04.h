#pragma once
#include "levels/ScriptedLevel.h"

class Level04 : public ScriptedLevel {
public:
    Level04();
    void configure() override;
    void buildContent() override;
    void placeActors() override;
};
