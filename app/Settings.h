#pragma once
#include "app/KeyBindings.h"

#include <QString>
#include <string>
#include <vector>

// What the player sets once and the game keeps between runs. The file is
// an INI file (Qt's QSettings), by default torchhero/torchhero.conf in the
// user's configuration directory:
//
//   [mouse]
//   turnDegrees=4.5       degrees per mouse move, 0.5 to 30 (the levels' 3)
//   invertPitch=false     true: moving the mouse up tilts the camera down
//   [keys]
//   forward=W             one key per action: forward, back, left, right,
//   run=Shift             run, jump, pause, ghost (the arrows always walk)
//   [sound]
//   volume=80             master volume, 0 to 100 percent
//   [display]
//   outlines=smooth       smooth or fast, as --outlines
//   [window]
//   size=1024x768         the game window's size; none: Qt's default
//   fullScreen=false
struct GameSettings {
    // Mouse turn per move, in degrees.
    static constexpr double kDefaultTurnDegrees = 3.0;
    static constexpr double kMinTurnDegrees = 0.5;
    static constexpr double kMaxTurnDegrees = 30.0;
    static constexpr int kMaxVolumePercent = 100;

    double turnDegrees = kDefaultTurnDegrees;
    bool invertPitch = false;
    KeyBindings keys;
    int volumePercent = kMaxVolumePercent;
    bool fastOutlines = false;
    int windowWidth = 0; // 0: Qt's default size
    int windowHeight = 0;
    bool fullScreen = false;

    bool operator==(const GameSettings &other) const;
    bool operator!=(const GameSettings &other) const { return !(*this == other); }
};

// What reading a settings file gave.
struct SettingsRead {
    GameSettings settings;
    // One line each for a bad or unknown value (with the default used
    // instead) or a file that could not be read.
    std::vector<std::string> problems;
    // False when the file exists but could not be read or is no settings
    // file: writing over it would lose what it holds.
    bool mayWrite = true;
};

// A missing file gives the defaults and no problem.
SettingsRead readSettings(const QString &path);

// Writes every setting; returns an error text, empty on success.
std::string writeSettings(const QString &path, const GameSettings &settings);

// torchhero/torchhero.conf in the user's configuration directory
// (${XDG_CONFIG_HOME:-~/.config}).
QString defaultSettingsPath();
