// Writes every file the game reads into the run directory given as the
// only argument. Everything is drawn or synthesised here; nothing is copied.
#include "Generators.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen RUN_DIRECTORY\n");
        return 2;
    }
    const std::string root = argv[1];
    for (const char *dir : {"Texturen", "Sounds", "tex"})
        std::filesystem::create_directories(root + "/" + dir);

    bool ok = true;
    ok &= writeIcon(root);
    ok &= writeTextures(root);
    ok &= writeShaders(root);
    ok &= writeColorRamps(root);
    ok &= writeSounds(root);
    ok &= writeHighScoreTable(root);
    return ok ? 0 : 1;
}
