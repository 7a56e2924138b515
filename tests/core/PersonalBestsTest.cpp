// Personal bests: what counts as a new best, the best run's totals at each
// exit, the limits, and the file: round trip with hostile nicknames, every
// kind of damage refused as a whole and reported once, bounded reads.
#include "core/PersonalBestsFile.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sys/stat.h>

namespace {
using Splits = std::vector<LevelSplit>;
const std::string kSmallFile = "TORCHHERO BESTS 1\n"
                               "nickname \"J%F6rg B\"\n"
                               "best Level01 1070\n"
                               "run Level01 1102\n"
                               "run Level03 2310\n"
                               "end\n";
} // namespace

TEST(PersonalBests, ASplitIsANewBestOnlyWhenShorter)
{
    PersonalBests bests;
    const struct {
        const char *nickname;
        const char *level;
        SplitTime::Steps steps;
        bool newBest;
    } rows[] = {
        {"Ann", "Level01", 1070, true},  {"Ann", "Level01", 1100, false}, {"Ann", "Level01", 1070, false}, // tie
        {"Ann", "Level01", 990, true},   {"Ann", "Level02", 5000, true},  {"", "Level01", 0, true},
        {"Ann", "Level 1", 10, false},   {"Ann", "../x", 10, false},      {"Ann", "Level03", -1, false},
        {"Ann", "Level03", SplitTime::kMaxSteps + 1, false}, {"Eightchr", "Level01", 10, false},
    };
    for (const auto &row : rows)
        EXPECT_EQ(bests.recordSplit(row.nickname, row.level, row.steps), row.newBest)
            << row.nickname << " " << row.level << " " << row.steps;
    EXPECT_EQ(bests.bestSplit("Ann", "Level01"), 990);
    EXPECT_EQ(bests.bestSplit("Ann", "Level02"), 5000);
    EXPECT_EQ(bests.bestSplit("Ann", "Level03"), std::nullopt);
    EXPECT_EQ(bests.bestSplit("Bob", "Level01"), std::nullopt);
    EXPECT_EQ(bests.players().size(), 2u);
}

TEST(PersonalBests, TheBestRunHasTheSmallestTotalAndItsTotalsAtEachExit)
{
    PersonalBests bests;
    const Splits first = {{"Level01", 100}, {"Level03", 300}, {"Level02", 200}};
    const struct {
        const char *name;
        Splits run;
        bool newBest;
    } rows[] = {
        {"first run", first, true},
        {"slower", {{"Level01", 50}, {"Level03", 551}}, false},
        {"tie", {{"Level01", 600}}, false},
        {"empty", {}, false},
        {"a split out of range", {{"Level01", -1}}, false},
        {"too many splits", Splits(PersonalBests::kMaxLevels + 1, {"Level01", 1}), false},
        {"shorter, though slower at the first exit", {{"Level01", 150}, {"Level03", 300}, {"Level02", 140}}, true},
    };
    for (const auto &row : rows)
        EXPECT_EQ(bests.recordRun("Ann", row.run), row.newBest) << row.name;
    EXPECT_EQ(bests.bestRunTotal("Ann", 0), 0);
    EXPECT_EQ(bests.bestRunTotal("Ann", 1), 150);
    EXPECT_EQ(bests.bestRunTotal("Ann", 3), 590);
    EXPECT_EQ(bests.bestRunTotal("Ann", 4), std::nullopt);
    EXPECT_EQ(bests.bestRunTotal("Bob", 0), std::nullopt);
    EXPECT_EQ(bests.bestRun("Ann").size(), 3u);
}

TEST(PersonalBests, KeepsTheRecentPlayersAndBoundedLevels)
{
    PersonalBests bests;
    for (std::size_t i = 0; i < PersonalBests::kMaxPlayers; ++i)
        bests.recordSplit("P" + std::to_string(i), "Level01", 100);
    bests.recordSplit("P0", "Level01", 200); // not a best, but P0 played last
    ASSERT_TRUE(bests.recordSplit("New", "Level01", 100));
    EXPECT_EQ(bests.players().size(), PersonalBests::kMaxPlayers);
    EXPECT_TRUE(bests.bestSplit("P0", "Level01"));
    EXPECT_FALSE(bests.bestSplit("P1", "Level01")); // the least recent went
    for (std::size_t i = 1; i < PersonalBests::kMaxLevels; ++i)
        ASSERT_TRUE(bests.recordSplit("New", "L" + std::to_string(i), 1));
    EXPECT_FALSE(bests.recordSplit("New", "OneTooMany", 1));
    EXPECT_TRUE(bests.recordSplit("New", "Level01", 99)); // a known level still improves
}

TEST(PersonalBestsFile, RoundTripsHostileNicknamesAndTheLargestStore)
{
    TempDir dir;
    const std::string path = dir.path(PersonalBestsFile::kFileName);
    PersonalBests hostile;
    const std::string nicknames[] = {"",   "a b",      "\"", "%",        "%41",   "\n\r", "\xff\xf6\xe9",
                                     "\\", "end",      "x\"\n", "1234567", std::string("\0x", 2), "run L 1"};
    for (const std::string &nickname : nicknames)
        ASSERT_TRUE(hostile.recordSplit(nickname, "Level01", SplitTime::Steps(nickname.size()))) << nickname;
    hostile.recordRun("%", {{"Level01", 1070}, {"Level01", 3}});
    PersonalBests largest; // every limit at once, so the reader takes what the writer writes
    for (std::size_t p = 0; p < PersonalBests::kMaxPlayers; ++p) {
        const std::string nickname = std::string(6, '\x7f') + char(p);
        Splits run;
        for (std::size_t l = 0; l < PersonalBests::kMaxLevels; ++l) {
            const std::string level = "LevelWithLong" + std::to_string(100 + l);
            largest.recordSplit(nickname, level, SplitTime::kMaxSteps);
            run.push_back({level, SplitTime::kMaxSteps});
        }
        largest.recordRun(nickname, run);
    }
    for (const PersonalBests *bests : {&hostile, &largest}) {
        ASSERT_TRUE(PersonalBestsFile::save(path, *bests));
        EXPECT_LE(std::filesystem::file_size(path), PersonalBestsFile::kMaxFileBytes);
        testing::internal::CaptureStderr();
        const PersonalBests read = PersonalBestsFile::load(path);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(PersonalBestsFile::text(read), PersonalBestsFile::text(*bests));
        EXPECT_EQ(read.players().size(), bests->players().size());
        for (const std::string &nickname : nicknames)
            EXPECT_EQ(read.bestSplit(nickname, "Level01"), bests->bestSplit(nickname, "Level01")) << nickname;
    }
    writeFile(path, kSmallFile);
    EXPECT_EQ(PersonalBestsFile::load(path).bestRunTotal("J\xf6rg B", 2), 3412);
    EXPECT_EQ(PersonalBestsFile::text(PersonalBestsFile::load(path)), kSmallFile);
}

TEST(PersonalBestsFile, ADamagedFileIsReportedOnceReadAsEmptyAndReplaced)
{
    const std::string head = "TORCHHERO BESTS 1\nnickname \"Ann\"\n";
    std::string players = "TORCHHERO BESTS 1\n";
    for (std::size_t i = 0; i <= PersonalBests::kMaxPlayers; ++i)
        players += "nickname \"P" + std::to_string(i) + "\"\n";
    std::string longRun = head;
    for (std::size_t i = 0; i <= PersonalBests::kMaxLevels; ++i)
        longRun += "run Level01 1\n";
    const struct {
        const char *name;
        std::string content;
        const char *problem;
    } rows[] = {
        {"empty", "", "cut short"},
        {"cut short", kSmallFile.substr(0, kSmallFile.size() - 4), "cut short"},
        {"cut in the last line", kSmallFile.substr(0, kSmallFile.size() - 1), "cut short"},
        {"text after the end", kSmallFile + "best Level01 1\n", "cut short"},
        {"newer version", "TORCHHERO BESTS 2\nend\n", "line 1: version 2, this game reads TORCHHERO BESTS 1"},
        {"a high-score table", "HIGH SCORES\nend\n", "line 1: not a personal-bests file"},
        {"terminal escapes in the version", "TORCHHERO BESTS \x1b[2J\nend\n", "line 1: not a personal-bests file"},
        {"record before a nickname", "TORCHHERO BESTS 1\nbest Level01 1\nend\n", "line 2: a record before"},
        {"unknown record", head + "worst Level01 1\nend\n", "line 3: not a nickname"},
        {"bad escape", "TORCHHERO BESTS 1\nnickname \"%G1\"\nend\n", "line 2: a nickname that is badly"},
        {"escape cut", "TORCHHERO BESTS 1\nnickname \"A%4\"\nend\n", "line 2: a nickname that is badly"},
        {"raw byte in a name", "TORCHHERO BESTS 1\nnickname \"\xf6\"\nend\n", "line 2: a nickname that is badly"},
        {"no closing quote", "TORCHHERO BESTS 1\nnickname \"Ann\nend\n", "line 2: a nickname without"},
        {"nickname too long", "TORCHHERO BESTS 1\nnickname \"Eightchr\"\nend\n", "line 2: a nickname that"},
        {"nickname twice", head + "nickname \"Ann\"\nend\n", "line 3: a nickname given twice"},
        {"best twice", head + "best Level01 1\nbest Level01 2\nend\n", "line 4: a level's best given twice"},
        {"steps too large", head + "best Level01 3000000\nend\n", "line 3: a best that"},
        {"negative steps", head + "best Level01 -1\nend\n", "line 3: a best that"},
        {"no steps", head + "run Level01\nend\n", "line 3: a run split that"},
        {"level name with a slash", head + "best ../x 1\nend\n", "line 3: a best that"},
        {"NUL in a line", head + std::string("best Level01 1\0", 15) + "\nend\n", "line 3: a best that"},
        {"line too long", head + "best " + std::string(100, 'L') + " 1\nend\n", "line 3: a line too long"},
        {"too many players", players + "end\n", "line 66: more nicknames"},
        {"run too long", longRun + "end\n", "line 35: a run longer"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        const std::string path = dir.path(PersonalBestsFile::kFileName);
        writeFile(path, row.content);
        testing::internal::CaptureStderr();
        PersonalBests bests = PersonalBestsFile::load(path);
        PersonalBestsFile::load(path);
        const std::string reported = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(bests.players().empty());
        EXPECT_EQ(reported.rfind(path + ": " + row.problem, 0), 0u) << reported;
        EXPECT_EQ(std::count(reported.begin(), reported.end(), '\n'), 1);
        bests.recordSplit("Zed", "Level01", 7);
        ASSERT_TRUE(PersonalBestsFile::save(path, bests));
        EXPECT_EQ(PersonalBestsFile::load(path).bestSplit("Zed", "Level01"), 7);
    }
}

TEST(PersonalBestsFile, AHugeOrSpecialFileIsRefusedUnreadAndWithoutBlocking)
{
    const struct {
        const char *name;
        void (*make)(const std::string &path);
        const char *problem;
    } rows[] = {
        {"100 MB", [](const std::string &p) { writeFile(p, ""); std::filesystem::resize_file(p, 100u << 20); },
         "larger than"},
        {"a FIFO", [](const std::string &p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }, "not a regular file"},
        {"a directory", [](const std::string &p) { std::filesystem::create_directory(p); }, "not a regular file"},
        {"missing", [](const std::string &) {}, nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        const std::string path = dir.path(PersonalBestsFile::kFileName);
        row.make(path);
        testing::internal::CaptureStderr();
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(PersonalBestsFile::load(path).players().empty());
        EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 0.5);
        const std::string reported = testing::internal::GetCapturedStderr();
        EXPECT_EQ(reported.empty(), row.problem == nullptr);
        if (row.problem) {
            EXPECT_EQ(reported.rfind(path + ": " + row.problem, 0), 0u) << reported;
        }
    }
}
