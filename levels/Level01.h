#pragma once
#include "world/Level.h"

class Level01 : public Level {
};
