#pragma once
#include "world/Level.h"

// The high-score screen that follows the last level.
class EndLevel : public Level {
};
