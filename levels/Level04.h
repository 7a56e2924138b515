#pragma once
#include "levels/ScriptedLevel.h"

class Level04 : public ScriptedLevel {
public:
    Level04() : ScriptedLevel(":/levels/Level04.level") {}
};
