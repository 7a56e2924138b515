#pragma once
#include "levels/ScriptedLevel.h"

class Level01 : public ScriptedLevel {
public:
    Level01();
    void buildContent() override;
    void placeActors() override;
};
