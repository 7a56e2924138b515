#pragma once
#include "levels/ScriptedLevel.h"

class Level05 : public ScriptedLevel {
public:
    Level05();
    void buildContent() override;
    void placeActors() override;
};
