// Writes every file the game reads. Everything is drawn or synthesised
// here; nothing is copied.
//
//   assetgen RUN_DIRECTORY             the run directory, with an empty
//                                      high-score table unless one is there
//   assetgen --install-tree SHARE_DIR  what an install puts below share/:
//                                      torchhero/ without the table, and
//                                      the desktop icons
#include "Generators.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace {
bool writeGameData(const std::string &root)
{
    for (const char *dir : {"Texturen", "Sounds", "tex"})
        std::filesystem::create_directories(root + "/" + dir);
    bool ok = true;
    ok &= writeIcon(root);
    ok &= writeTextures(root);
    ok &= writeShaders(root);
    ok &= writeColorRamps(root);
    ok &= writeSounds(root);
    return ok;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && !std::strcmp(argv[1], "--install-tree")) {
        const std::string share = argv[2];
        const bool ok = writeGameData(share + "/torchhero") && writeDesktopIcons(share);
        return ok ? 0 : 1;
    }
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: assetgen RUN_DIRECTORY | assetgen --install-tree SHARE_DIRECTORY\n");
        return 2;
    }
    const std::string root = argv[1];
    bool ok = writeGameData(root);
    ok &= writeHighScoreTable(root);
    return ok ? 0 : 1;
}
