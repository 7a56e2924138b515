#pragma once
#include "levels/ScriptedLevel.h"

class Level07 : public ScriptedLevel {
public:
    Level07() : ScriptedLevel(":/levels/Level07.level") {}
};
