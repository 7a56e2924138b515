#pragma once
#include <string>

// One line on standard error for a data file the game cannot use, naming
// the file (its host path) and what the game does instead:
//
//   Texturen/Lives.bmp: missing or not a 24-bit BMP; drawn untextured
//
// The game's own texts (standard output, warning boxes) are unchanged; this
// line is for whoever has to find the broken file. Each problem of a path is
// reported once per run: a texture loaded for every object, or a table the
// screen re-reads every frame, must not flood the terminal.
void reportUnusableFile(const std::string &path, const std::string &problem);
