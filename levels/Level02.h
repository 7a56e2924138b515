#pragma once
#include "levels/ScriptedLevel.h"

class Level02 : public ScriptedLevel {
public:
    Level02();
    void buildContent() override;
    void placeActors() override;
};
