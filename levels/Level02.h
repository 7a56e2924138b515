#pragma once
#include "levels/ScriptedLevel.h"

class Level02 : public ScriptedLevel {
public:
    Level02() : ScriptedLevel(":/levels/Level02.level") {}
};
