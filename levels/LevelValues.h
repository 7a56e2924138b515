#pragma once
#include "levels/LevelOperations.h"

#include <string>

// The words of a level file turned into values.

// A decimal number ("12", "-0.25", "1.5e2") read as the C++ compiler reads
// a float literal: the decimal value correctly rounded to the nearest
// float, whatever the locale. False, with the reason, for anything else
// (words, hexadecimal, "inf", "nan", a value beyond the float range).
bool readLevelNumber(const std::string &text, float &value, std::string &why);

// Whether value lies in range; rangeText says what the range is, for
// messages ("more than 0 and at most 100000").
bool inRange(float value, const NumberRange &range);
std::string rangeText(const NumberRange &range);

// A name for a result: a letter or '_', then letters, digits and '_'.
bool isLevelName(const std::string &text);

// A texture's file name in the game's texture folder: letters, digits,
// '_', '-' and '.', not starting with '.', ending in ".bmp"; never a path.
bool isTextureFileName(const std::string &text);
