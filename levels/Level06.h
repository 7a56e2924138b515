#pragma once
#include "world/Level.h"

class Level06 : public Level {
};
