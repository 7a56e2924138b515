#pragma once
#include "levels/ScriptedLevel.h"

class Level01 : public ScriptedLevel {
public:
    Level01() : ScriptedLevel(":/levels/Level01.level") {}
};
