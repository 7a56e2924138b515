#pragma once
#include "levels/ScriptedLevel.h"

class Level03 : public ScriptedLevel {
public:
    Level03();
    void buildContent() override;
    void placeActors() override;
};
