#pragma once
#include "levels/ScriptedLevel.h"

class Level08 : public ScriptedLevel {
public:
    Level08() : ScriptedLevel(":/levels/Level08.level") {}
};
