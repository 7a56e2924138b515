#pragma once
#include "world/Level.h"

class Level08 : public Level {
};
