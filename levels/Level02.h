#pragma once
#include "world/Level.h"

class Level02 : public Level {
};
