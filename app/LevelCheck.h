#pragma once
#include <string>

// torchhero --check-level FILE: reads the level file as the game would and
// prints each of its errors on standard error, one a line
// ("FILE:LINE:COLUMN: message"). Returns the process exit code: 0 for a
// good file, 2 for one the game would refuse (or cannot read).
int checkLevelFile(const std::string &path);
