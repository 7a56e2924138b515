// Rewrites a personal-bests file or a ghost file over and over, for the
// kill test (scripts/killtest.sh --kind bests|ghost): alternately content A
// and content B, of different lengths, each through the game's own save.
//
//   recordwriter bests|ghost write FILE [COUNT]   COUNT rewrites (0, the default: until killed)
//   recordwriter bests|ghost check FILE           status 0 when FILE holds A or B exactly
#include "core/GhostFile.h"
#include "core/PersonalBestsFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {
// Bests A: nine players with eight levels each and a run; B: three.
PersonalBests bests(bool a)
{
    PersonalBests all;
    const int players = a ? 9 : 3;
    for (int p = 0; p < players; ++p) {
        const std::string nickname = (a ? "Alpha" : "Bravo") + std::to_string(p);
        std::vector<LevelSplit> run;
        for (int level = 1; level <= 8; ++level) {
            const LevelSplit split{"Level0" + std::to_string(level), SplitTime::Steps(1000 * level + p)};
            all.recordSplit(nickname, split.level, split.steps);
            run.push_back(split);
        }
        all.recordRun(nickname, run);
    }
    return all;
}

// Ghost A: two minutes of steps; B: fifty seconds. Large enough that a
// write takes a while to flush.
GhostTrack ghost(bool a)
{
    GhostTrack track;
    const int steps = a ? 6000 : 2500;
    for (int i = 0; i < steps; ++i)
        track.append({SbVec3f(float(i), a ? 1.0f : 2.0f, 0.5f), float(i % 360), 0, 0.2f, 0, 1, true, a, true,
                      false, false, false, true, false, false, false});
    return track;
}

bool save(bool isGhost, const std::string &path, bool a)
{
    return isGhost ? GhostFile::save(path, ghost(a)) : PersonalBestsFile::save(path, bests(a));
}

std::string content(bool isGhost, bool a)
{
    return isGhost ? GhostFile::encode(ghost(a)) : PersonalBestsFile::text(bests(a));
}

int write(bool isGhost, const std::string &path, long count)
{
    for (long i = 0; count == 0 || i < count; ++i)
        if (!save(isGhost, path, i % 2 == 0)) {
            std::fprintf(stderr, "recordwriter: cannot rewrite %s\n", path.c_str());
            return 1;
        }
    return 0;
}

int check(bool isGhost, const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in && (bytes == content(isGhost, true) || bytes == content(isGhost, false)))
        return 0;
    std::fprintf(stderr, "recordwriter: %s holds neither A nor B (%zu bytes)\n", path.c_str(), bytes.size());
    return 1;
}
} // namespace

int main(int argc, char **argv)
{
    const bool known = argc >= 4 && (!std::strcmp(argv[1], "bests") || !std::strcmp(argv[1], "ghost"));
    const bool isGhost = known && !std::strcmp(argv[1], "ghost");
    if (known && !std::strcmp(argv[2], "write"))
        return write(isGhost, argv[3], argc > 4 ? std::atol(argv[4]) : 0);
    if (known && argc == 4 && !std::strcmp(argv[2], "check"))
        return check(isGhost, argv[3]);
    std::fprintf(stderr, "usage: recordwriter bests|ghost write FILE [COUNT] | recordwriter bests|ghost check FILE\n");
    return 2;
}
