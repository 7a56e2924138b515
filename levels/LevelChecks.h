#pragma once
#include "levels/LevelDescription.h"

#include <string>
#include <vector>

// The problems found in a level file, each at a line and column.
class LevelProblems {
public:
    // Keeps the first LevelLimits::kMaxErrors problems only.
    void add(int line, int column, std::string message);
    bool empty() const { return problems.empty(); }
    // Reading stops once LevelLimits::kMaxErrors are found.
    bool full() const;
    // "FILE:LINE:COLUMN: message" in line order, and a last line saying
    // that the reader stopped, when it did.
    std::vector<std::string> format(const std::string &fileName) const;

private:
    struct Problem {
        int line;
        int column;
        std::string message;
    };
    std::vector<Problem> problems;
};

// The checks that need the whole file: one start position (looked for
// only when startRequired: a refused setStartPosition line was reported
// already), and every static piece inside the level's extent, which keeps
// the collision grid's sampling of each piece to a few points. lastLine
// locates the missing start position.
void checkLevelAsWhole(const LevelDescription &level, int lastLine, bool startRequired, LevelProblems &problems);

// The extent of a level whose file sets none: the standard extent of every
// world, world units.
SbVec3f defaultLevelExtent();
