#pragma once
#include "levels/ScriptedLevel.h"

class Level07 : public ScriptedLevel {
public:
    Level07();
    void buildContent() override;
    void placeActors() override;
};
