#pragma once
#include "world/Level.h"

class Level04 : public Level {
};
