#pragma once
#include "levels/LevelDescription.h"

#include <string>
#include <vector>

// Reading a level file: one building call a line, in the order the level
// is built, with named results that later lines refer to.
//
//   # a comment
//   stone = loadTexture blueStone.bmp
//   setExtent (1000, 100, 1000)
//   room = addQuadrat (0, 0, 0) 100 20 100
//   setQuadratTextures room stone stone stone stone stone stone
//   setStartPosition (20, 5, 20)
//
// docs/levels.md describes the vocabulary. The reader needs no GL and no
// level: it checks the whole file and either hands out a description that
// builds without fail, or refuses the file with every problem it found.
struct LevelReading {
    LevelDescription level;
    // "FILE:LINE:COLUMN: what was expected", in line order; empty when the
    // file is good. At most LevelLimits::kMaxErrors, and a last line when
    // the reader stopped there.
    std::vector<std::string> errors;

    bool ok() const { return errors.empty(); }
};

// fileName only names the file in the errors.
LevelReading readLevel(const std::string &fileName, const std::string &text);

// Reads a file from disk or from the program's resources (":/levels/...");
// one that cannot be read, or is larger than LevelLimits::kMaxFileBytes,
// is refused like a bad one.
LevelReading readLevelFile(const std::string &path);
