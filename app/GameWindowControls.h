#pragma once
#include "app/QtFenster.h"

// Hooks a new game window up to what the setup names: the player's keys
// and mouse feel, the gamepad's input, and (when the setup says so) the
// keeping of the window's size and full-screen state in the settings as
// the window closes.
void attachControls(QtFenster *window, const GameWindowSetup &setup);
