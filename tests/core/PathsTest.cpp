// Where the game reads and writes: the working directory when it holds the
// game's files, else a data directory that is only read, with the
// high-score table in the user's own directory.
#include "core/Paths.h"
#include "support/Files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {
struct PathsTest : ::testing::Test {
    QTemporaryDir scratch;
    fs::path root;
    fs::path before = fs::current_path();

    void SetUp() override
    {
        ASSERT_TRUE(scratch.isValid());
        root = scratch.path().toStdString();
        for (const char *dir : {"empty", "data/Texturen", "shaders", "user"})
            fs::create_directories(root / dir);
        writeFile((root / "shaders/comic.vs").string(), "void main() {}");
    }
    void TearDown() override
    {
        fs::current_path(before);
        setDataDirectory("");
    }
    std::string at(const char *dir) const { return (root / dir).string(); }
};
} // namespace

TEST_F(PathsTest, ChoosesTheDataDirectoryAndWhereTheTableIsKept)
{
    const std::string userTable = at("user") + "/HighScore.hs";
    const struct {
        const char *name;
        const char *workingDirectory;
        std::string requested;
        std::vector<std::string> installed;
        FileLocations expected;
    } rows[] = {
        {"a run directory is read and written in place", "data", "", {at("shaders")}, {"", "HighScore.hs", ""}},
        {"--data wins over the working directory", "data", at("shaders"), {}, {at("shaders"), userTable, ""}},
        {"the first installed directory with the files", "empty", "", {at("empty"), at("shaders"), at("data")},
         {at("shaders"), userTable, ""}},
        {"no files anywhere", "empty", "", {at("user")},
         {"", "", "no game files in the working directory nor in " + at("user") + "; name them with --data DIR"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        fs::current_path(root / row.workingDirectory);
        const FileLocations where = locateGameFiles(row.requested, row.installed, at("user"));
        EXPECT_EQ(where.dataDirectory, row.expected.dataDirectory);
        EXPECT_EQ(where.highScoreFile, row.expected.highScoreFile);
        EXPECT_EQ(where.problem, row.expected.problem);
    }
}

TEST_F(PathsTest, GamePathsAreReadBelowTheDataDirectory)
{
    EXPECT_EQ(hostPath("Texturen\\grass.bmp"), "Texturen/grass.bmp");
    setDataDirectory("/usr/share/torchhero");
    EXPECT_EQ(hostPath("Texturen\\grass.bmp"), "/usr/share/torchhero/Texturen/grass.bmp");
}

// A missing table is seeded with the header: install.sh checks it.
TEST_F(PathsTest, KeepsAnExistingTableAndReportsOneItCannotWrite)
{
    const std::string kept = at("user") + "/HighScore.hs";
    writeFile(kept, "HIGH SCORES\n#\n1      0:05:00      Ann");
    EXPECT_EQ(seedHighScoreTable(kept), "");
    EXPECT_EQ(readText(kept), "HIGH SCORES\n#\n1      0:05:00      Ann");

    EXPECT_EQ(seedHighScoreTable(at("shaders") + "/comic.vs/HighScore.hs"),
              "cannot write " + at("shaders") + "/comic.vs/HighScore.hs");
}
