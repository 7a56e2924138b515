// The high-score table without a screen: where a time goes, what the file
// becomes, that a failed rewrite leaves the old table, and that a hostile
// file costs no more to read than a sound one.
#include "core/HighScoreTable.h"
#include "support/Files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace HighScoreTable;

namespace {
const char *const kHeader = "HIGH SCORES\n#      Time         Name";

std::string entry(int rank, const char *time, const char *name)
{
    return "\n" + std::to_string(rank) + "      " + time + "      " + name;
}

// Entries a minute apart, minutes first to last, ranked from firstRank.
std::string entries(int first, int last, int firstRank)
{
    std::string text;
    for (int minute = first; minute <= last; ++minute) {
        const std::string time = "0:0" + std::to_string(minute) + ":00";
        text += entry(firstRank++, time.c_str(), ("P" + std::to_string(minute)).c_str());
    }
    return text;
}
} // namespace

TEST(HighScoreTable, NewTimesGoInTheirPlace)
{
    struct Row {
        const char *name;
        const char *before; // file content
        QTime time;
        const char *nickname;
        std::string after;
    };
    const std::string three = std::string(kHeader) + entry(1, "0:05:00", "Ann") + entry(2, "0:06:00", "Bob") +
                              entry(3, "0:07:00", "Cid");
    const std::string full = kHeader + entries(1, 9, 1);
    const std::string slowest = kHeader + entry(1, "9:59:59", "Ann");
    // Between two entries, with a spaced nickname: script_playtest_driver.
    const Row rows[] = {
        {"a tie goes above", three.c_str(), QTime(0, 6, 0), "Zed",
         std::string(kHeader) + entry(1, "0:05:00", "Ann") + entry(2, "0:06:00", "Zed") +
             entry(3, "0:06:00", "Bob") + entry(4, "0:07:00", "Cid")},
        {"full and slower", full.c_str(), QTime(0, 9, 1), "Zed", full},
        {"eighth place", full.c_str(), QTime(0, 7, 30), "Zed",
         kHeader + entries(1, 7, 1) + entry(8, "0:07:30", "Zed") + entries(8, 8, 9)},
        {"line break in nickname", kHeader, QTime(0, 1, 2), "A\nB", std::string(kHeader) + entry(1, "0:01:02", "A B")},
        {"one line", "HIGH SCORES", QTime(0, 5, 30), "Zed", "\n" + entry(1, "0:05:30", "Zed")},
        {"line ends after the last line, CR LF",
         "HIGH SCORES\r\n#\r\n1      0:05:00      Ann\r\n", QTime(0, 6, 0), "Zed",
         "HIGH SCORES\n#" + entry(1, "0:05:00", "Ann") + entry(2, "0:06:00", "Zed")},
        // Cut to 9:59:59, the run may be the longer one: it goes below.
        {"past ten hours goes below a stored 9:59:59", slowest.c_str(), QTime(23, 59, 59),
         "Zed", std::string(kHeader) + entry(1, "9:59:59", "Ann") + entry(2, "9:59:59", "Zed")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const std::string path = dir.filePath("HighScore.hs").toStdString();
        writeFile(path, row.before);
        Lines lines;
        ASSERT_TRUE(readTable(path, lines));
        ASSERT_TRUE(writeTable(path, withEntry(lines, row.time, row.nickname)));
        EXPECT_EQ(readText(path), row.after);
    }
}

TEST(HighScoreTable, AFailedRewriteLeavesTheOldTableAndNoTemporaryFile)
{
    constexpr rlim_t kTinyFileBytes = 8;
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct Row {
        const char *name;
        std::function<bool(const std::string &dir)> inject; // false: cannot inject here
        std::function<void(const std::string &dir)> undo;
    };
    const Row rows[] = {
        // The temporary file is made and written, then the disk is "full".
        {"write fails",
         [&saved](const std::string &) {
             std::signal(SIGXFSZ, SIG_IGN);
             rlimit tiny = saved;
             tiny.rlim_cur = kTinyFileBytes;
             return setrlimit(RLIMIT_FSIZE, &tiny) == 0;
         },
         [&saved](const std::string &) {
             setrlimit(RLIMIT_FSIZE, &saved);
             std::signal(SIGXFSZ, SIG_DFL);
         }},
        {"directory read-only",
         [](const std::string &dir) { return geteuid() != 0 && chmod(dir.c_str(), 0555) == 0; },
         [](const std::string &dir) { chmod(dir.c_str(), 0755); }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const std::string root = dir.path().toStdString();
        const std::string path = root + "/HighScore.hs";
        const std::string old = kHeader + entry(1, "0:05:00", "Ann");
        writeFile(path, old);
        Lines lines;
        ASSERT_TRUE(readTable(path, lines));
        lines = withEntry(lines, QTime(0, 4, 0), "Zed");
        if (!row.inject(root)) {
            row.undo(root);
            continue; // root ignores permissions
        }
        const bool written = writeTable(path, lines);
        row.undo(root);
        EXPECT_FALSE(written);
        EXPECT_EQ(readText(path), old);
        // The table is all there is: no temporary file was left beside it.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root), {}), 1);
    }
}

TEST(HighScoreTable, AHostileFileIsReadInBoundedTimeAndMemory)
{
    constexpr int kReads = 50;
    // Reading all of a 100 MB file 50 times takes seconds; the bounded read
    // takes milliseconds, even in a sanitizer build.
    constexpr double kLimitSeconds = 1.0;
    struct Row {
        const char *name;
        std::function<void(const std::string &path)> make;
        bool opens;
        size_t lines;
    };
    const Row rows[] = {
        {"one 100 MB line", [](const std::string &p) {
             writeFile(p, "");
             std::filesystem::resize_file(p, 100u << 20); // sparse: NUL bytes, no line end
         }, true, 1},
        {"a million lines", [](const std::string &p) {
             std::string text;
             for (int i = 0; i < 1000000; ++i)
                 text += "1      0:00:01      Ann\n";
             writeFile(p, text);
         }, true, size_t(kMaxLines)},
        {"a FIFO", [](const std::string &p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }, false, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const std::string path = dir.filePath("HighScore.hs").toStdString();
        row.make(path);
        Lines lines;
        const auto start = std::chrono::steady_clock::now();
        bool opened = false;
        for (int i = 0; i < kReads; ++i)
            opened = readTable(path, lines);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        EXPECT_LT(took.count(), kLimitSeconds);
        EXPECT_EQ(opened, row.opens);
        ASSERT_EQ(lines.size(), row.lines);
        for (const std::string &line : lines)
            EXPECT_LE(line.size(), kMaxLineBytes);
    }
}
