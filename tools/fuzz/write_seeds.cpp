// Writes the seed corpus of the fuzz targets: DIR/bmp/<name>,
// DIR/metaimage/<name> (header, NUL, raw bytes), DIR/colorramp/<name>,
// DIR/highscore/<name>, DIR/inputscript/<name>, DIR/bests/<name> and
// DIR/ghost/<name>.
#include "tools/fuzz/RecordSeeds.h"
#include "tools/fuzz/SeedCorpus.h"
#include "tools/fuzz/TextSeeds.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

bool writeSeed(const std::filesystem::path &path, const seeds::Bytes &bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds DIRECTORY\n");
        return 2;
    }
    const std::filesystem::path root = argv[1];
    std::filesystem::create_directories(root / "bmp");
    std::filesystem::create_directories(root / "metaimage");
    bool ok = true;
    for (const auto &[name, bytes] : seeds::bmpSeeds())
        ok &= writeSeed(root / "bmp" / name, bytes);
    for (const auto &[name, seed] : seeds::metaSeeds())
        ok &= writeSeed(root / "metaimage" / name, seeds::encodeMeta(seed));
    const std::pair<const char *, seeds::Texts> texts[] = {{"colorramp", seeds::colorRampSeeds()},
                                                           {"highscore", seeds::highScoreSeeds()},
                                                           {"inputscript", seeds::inputScriptSeeds()},
                                                           {"bests", seeds::bestsSeeds()},
                                                           {"ghost", seeds::ghostSeeds()}};
    for (const auto &[target, corpus] : texts) {
        std::filesystem::create_directories(root / target);
        for (const auto &[name, text] : corpus) {
            std::string file = name;
            std::replace(file.begin(), file.end(), ' ', '-');
            ok &= writeSeed(root / target / file, seeds::Bytes(text.begin(), text.end()));
        }
    }
    if (!ok)
        std::fprintf(stderr, "fuzz_seeds: cannot write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
