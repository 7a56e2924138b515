#pragma once
// Seeds of the three text fuzz targets: sound files and the borderline
// cases around them. Written out by fuzz_seeds, replayed through the checks
// of TextChecks.h by the tests. Header-only, like SeedCorpus.h.
#include "tools/fuzz/TextChecks.h"

#include <string>
#include <utility>
#include <vector>

namespace seeds {

using Texts = std::vector<std::pair<std::string, std::string>>;

inline Texts colorRampSeeds()
{
    return {
        {"generated", "0.20 0.14 0.13\n0.46 0.36 0.31\n0.76 0.64 0.54\n1.00 0.93 0.82\n"},
        {"one line", "0 0 0 0.5 0 0 0.8 0.1 0.1 1 0.3 0.3"},
        {"eleven", "0 0 0 0.5 0 0 0.8 0.1 0.1 1 0.3\n"},
        {"exponents and signs", "1e-3 +0.5 -0 .25 5. 1E0 0x1 2e38 -2e38 1e-45 0 1\n"},
        {"out of range", "1e39 0 0 0 0 0 0 0 0 0 0 0"},
        {"words", "nan inf 0 0 0 0 0 0 0 0 0 0"},
        {"crlf and tabs", "0\t0\t0\r\n1\t1\t1\r\n0 0 0\r\n1 1 1\r\n"},
        {"trailing text", "0 0 0 0 0 0 0 0 0 0 0 0 trailing words"},
    };
}

inline Texts highScoreSeeds()
{
    const std::string header = "HIGH SCORES\n#      Time         Name";
    std::string full = header;
    for (int i = 1; i <= 9; ++i)
        full += "\n" + std::to_string(i) + "      0:0" + std::to_string(i) + ":00      P" + std::to_string(i);
    return {
        {"headers only", fuzz::encodeHighScore(330, "Zed", header)},
        {"three entries", fuzz::encodeHighScore(360, "Zed", header + "\n1      0:05:00      Ann\n2      0:06:00      Bob"
                                                                      "\n3      0:07:00      Cid\n")},
        {"full", fuzz::encodeHighScore(450, "Zed", full)},
        {"full and slower", fuzz::encodeHighScore(600, "Zed", full)},
        {"ten hours", fuzz::encodeHighScore(36000, "Zed", header + "\n1      9:59:59      Ann")},
        {"invalid time", fuzz::encodeHighScore(fuzz::kSecondsPerDay, "Zed", full)},
        {"empty file", fuzz::encodeHighScore(5, "", "")},
        {"crlf", fuzz::encodeHighScore(5, "A\rB", "H\r\n#\r\n1      0:05:00      Ann\r\n")},
        {"bad times", fuzz::encodeHighScore(5, "N", header + "\n1      x:yy:zz      A\n2      25:61:61      B\n3")},
        {"lone carriage return", fuzz::encodeHighScore(5, "N", "H\n#\r")},
    };
}

inline Texts inputScriptSeeds()
{
    return {
        {"every kind", "# a comment\n\n0 key down W\n0 key down Shift\n3 mouse left\n3 mouse up\n"
                       "4 button down right\n5 button up right\n6 wheel -2\n7 wheel 3\n9 key up W\n"},
        {"all keys", "0 key down A\n0 key down S\n0 key down D\n0 key down Up\n0 key down Down\n"
                     "0 key down Left\n0 key down Right\n0 key down Space\n"},
        {"going back", "5 key down W\n3 key up W\n"},
        {"huge frame", "99999999999999999999 key down W\n"},
        {"wheel limits", "0 wheel 1000\n0 wheel -1000\n0 wheel 1001\n"},
        {"trailing word", "0 mouse left now\n"},
        {"crlf", "0 key down W\r\n1 key up W\r\n"},
        {"unknown", "0 jump\n0 key W\n-1 key down W\n0 button down middle\n"},
    };
}

} // namespace seeds
