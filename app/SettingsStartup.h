#pragma once
#include "app/QtFenster.h"

struct CommandLine;
class Gamepad;
class RunSession;
class SettingsStore;

// Names every problem found in the settings file on standard error, once.
void reportSettingsProblems(const SettingsStore &settings);

// Applies the master volume and the outline style now and whenever the
// player changes them. An outline style from the command line holds for
// this run until the player picks one.
void followSettings(SettingsStore &settings, const CommandLine &options);

// How the game window opens: as the command line says when it sets the
// size or full screen (for this run only: the window's state is then not
// kept), otherwise as the settings keep it.
GameWindowSetup gameWindowSetup(const CommandLine &options, SettingsStore &settings, Gamepad *gamepad,
                                RunSession *session);
