#pragma once
#include "levels/ScriptedLevel.h"

class Level06 : public ScriptedLevel {
public:
    Level06();
    void buildContent() override;
    void placeActors() override;
};
