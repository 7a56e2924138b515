#pragma once
#include "world/Level.h"

class Level03 : public Level {
};
