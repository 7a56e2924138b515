// The empty high-score table. The game rewrites this file with the players'
// times, so it is created only when the run directory has none: rebuilding
// must never erase anyone's scores.
#include "core/HighScoreTable.h"
#include "Generators.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

bool writeHighScoreTable(const std::string &root)
{
    const std::string path = root + "/HighScore.hs";
    std::error_code error;
    if (std::filesystem::exists(path, error) || error)
        return !error;
    std::ofstream out(path);
    out << HighScoreTable::kEmptyTable;
    if (!out) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
