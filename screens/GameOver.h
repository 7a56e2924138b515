#pragma once
#include "world/Level.h"

// The screen shown when the last life is lost.
class GameOver : public Level {
};
