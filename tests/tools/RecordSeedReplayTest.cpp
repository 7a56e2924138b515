// Replays the seed corpus of the record-file fuzz targets through their
// checks, each seed whole and cut at every length, as TextSeedReplayTest
// does for the text readers.
#include "tools/fuzz/RecordSeeds.h"

#include <gtest/gtest.h>

TEST(RecordSeedReplay, EverySeedAndEveryTruncationIsHandledSoundly)
{
    const struct {
        const char *target;
        seeds::Texts seeds;
        std::string (*check)(const std::string &);
    } rows[] = {
        {"bests", seeds::bestsSeeds(), fuzz::checkBests},
        {"ghost", seeds::ghostSeeds(), fuzz::checkGhost},
    };
    for (const auto &row : rows)
        for (const auto &[name, bytes] : row.seeds)
            for (std::size_t length = 0; length <= bytes.size(); ++length)
                EXPECT_EQ(row.check(bytes.substr(0, length)), "") << row.target << " " << name << " cut to " << length;
}
