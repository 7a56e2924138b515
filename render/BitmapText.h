#pragma once
#include <string>

// On-screen text uses GLUT's 24-point Times Roman bitmap font. GLUT must be
// initialised once before the first character is drawn; no GLUT window is
// ever opened. Safe to call more than once.
void initBitmapFont();

// Draws the text from the current raster position.
void drawBitmapString(const std::string &text);
