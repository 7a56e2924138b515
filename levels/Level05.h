#pragma once
#include "world/Level.h"

class Level05 : public Level {
};
