#pragma once
#include <string>

// Each generator writes its files below the run directory `root`
// (created beforehand) and returns false with a message on stderr when a
// file cannot be written.
bool writeIcon(const std::string &root);
// The same drawing as PNGs for the desktop, below `shareRoot` (the share/
// folder of an install): icons/hicolor/NxN/apps/torchhero.png.
bool writeDesktopIcons(const std::string &shareRoot);
// Texturen/*.bmp: every bitmap the game loads, 24-bit uncompressed.
bool writeTextures(const std::string &root);
// comic.vs and comic.fs, the toon shader pair.
bool writeShaders(const std::string &root);
// tex/red.txt, the colour ramp of the toon shading.
bool writeColorRamps(const std::string &root);
// Sounds/*.wav: the jump, death and fanfare effects.
bool writeSounds(const std::string &root);
// HighScore.hs with its two header lines, only when there is none yet.
bool writeHighScoreTable(const std::string &root);
