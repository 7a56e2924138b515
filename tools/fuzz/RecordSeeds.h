#pragma once
// Seeds of the personal-bests and ghost fuzz targets: sound files and the
// borderline cases around them. Written out by fuzz_seeds, replayed through
// the checks of RecordChecks.h by the tests. Header-only, like TextSeeds.h.
#include "tools/fuzz/RecordChecks.h"
#include "tools/fuzz/TextSeeds.h"

namespace seeds {

inline Texts bestsSeeds()
{
    const std::string head = "TORCHHERO BESTS 1\n";
    return {
        {"empty store", head + "end\n"},
        {"two players", head + "nickname \"Ann\"\nbest Level01 1070\nbest Level03 2210\nrun Level01 1102\n"
                               "run Level03 2310\nnickname \"J%F6rg B\"\nbest Level08 2999999\nend\n"},
        {"escapes", head + "nickname \"%22%25%0A%00\"\nnickname \"\"\nend\n"},
        {"crlf", "TORCHHERO BESTS 1\r\nnickname \"A\"\r\nbest Level01 0\r\nend\r\n"},
        {"newer version", "TORCHHERO BESTS 2\nend\n"},
        {"cut short", head + "nickname \"Ann\"\nbest Level01 10"},
        {"bad records", head + "best Level01 1\nnickname \"%G\"\nrun ../x -1\nend\n"},
    };
}

inline std::string ghostSeed(std::size_t steps)
{
    GhostTrack track;
    for (std::size_t i = 0; i < steps; ++i)
        track.append({SbVec3f(float(i), -0.0f, 1e-45f), 90.5f, 12.0f, 0.25f, 0.0f, 0.8f, i % 2 == 0, false, true,
                      false, false, false, true, false, i % 3 == 0, false});
    return GhostFile::encode(track);
}

inline Texts ghostSeeds()
{
    const std::string three = ghostSeed(3);
    std::string version2 = three;
    version2[8] = 2;
    return {
        {"one step", ghostSeed(1)},
        {"three steps", three},
        {"cut short", three.substr(0, three.size() - 7)},
        {"version 2", fuzz::resealed(version2)},
        {"count too large",
         fuzz::resealed(three.substr(0, 12) + std::string("\xff\xff\xff\x7f", 4) + three.substr(16))},
    };
}

} // namespace seeds
