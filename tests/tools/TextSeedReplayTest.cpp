// Replays the seed corpus of the text and record-file fuzz targets through
// the fuzz checks, each seed whole and cut at every length: a deterministic
// miniature of the fuzz runs that the sanitizer build checks on every test
// run.
#include "tools/fuzz/RecordSeeds.h"
#include "tools/fuzz/TextSeeds.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

TEST(TextSeedReplay, EverySeedAndEveryTruncationIsHandledSoundly)
{
    QTemporaryDir dir;
    const std::string table = dir.filePath("HighScore.hs").toStdString();
    struct Row {
        const char *target;
        seeds::Texts seeds;
        std::function<std::string(const std::string &)> check;
    };
    const Row rows[] = {
        {"colorramp", seeds::colorRampSeeds(), [](const std::string &s) { return fuzz::checkColorRamp(s); }},
        {"highscore", seeds::highScoreSeeds(), [&](const std::string &s) { return fuzz::checkHighScore(s, table); }},
        {"inputscript", seeds::inputScriptSeeds(), [](const std::string &s) { return fuzz::checkInputScript(s); }},
        {"bests", seeds::bestsSeeds(), fuzz::checkBests},
        {"ghost", seeds::ghostSeeds(), fuzz::checkGhost},
    };
    for (const Row &row : rows)
        for (const auto &[name, text] : row.seeds)
            for (std::size_t length = 0; length <= text.size(); ++length)
                EXPECT_EQ(row.check(text.substr(0, length)), "") << row.target << " " << name << " cut to " << length;
}
