#pragma once
#include "levels/ScriptedLevel.h"

class Level05 : public ScriptedLevel {
public:
    Level05() : ScriptedLevel(":/levels/Level05.level") {}
};
