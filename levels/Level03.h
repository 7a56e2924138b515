#pragma once
#include "levels/ScriptedLevel.h"

class Level03 : public ScriptedLevel {
public:
    Level03() : ScriptedLevel(":/levels/Level03.level") {}
};
