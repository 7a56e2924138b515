#include "app/LevelCheck.h"

#include "levels/LevelReader.h"

#include <cstdio>

namespace {
// The exit code of a refused file, the same as a refused command line's.
constexpr int kRefusedExitCode = 2;
} // namespace

int checkLevelFile(const std::string &path)
{
    const LevelReading reading = readLevelFile(path);
    for (const std::string &error : reading.errors)
        std::fprintf(stderr, "%s\n", error.c_str());
    return reading.ok() ? 0 : kRefusedExitCode;
}
