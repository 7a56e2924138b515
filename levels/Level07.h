#pragma once
#include "world/Level.h"

class Level07 : public Level {
};
