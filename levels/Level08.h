#pragma once
#include "levels/ScriptedLevel.h"

class Level08 : public ScriptedLevel {
public:
    Level08();
    void buildContent() override;
    void placeActors() override;
};
