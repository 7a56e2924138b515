#pragma once
#include "levels/ScriptedLevel.h"

class Level06 : public ScriptedLevel {
public:
    Level06() : ScriptedLevel(":/levels/Level06.level") {}
};
