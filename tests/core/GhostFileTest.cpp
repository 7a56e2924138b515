// Ghosts: the track's bounds, the file's layout, a bit-exact round trip,
// every kind of damage refused and reported once, the file names of
// hostile nicknames.
#include "core/Paths.h"
#include "support/Files.h"
#include "tools/fuzz/RecordChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <vector>

namespace {
// Awkward floats (signed zero, the smallest denormal, the largest value)
// and every flag in turn.
GhostFrame frame(std::size_t i)
{
    const float odd[] = {-0.0f, std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::max(), 0.1f};
    const float x = odd[i % 4];
    const int bit = int(i % 11); // 10: no flag
    auto on = [bit](int b) { return bit == b; };
    return {SbVec3f(x, -x, float(i) * 0.37f), 359.99f - x, x / 3, 0.3f, float(i), 1.0f / 3,
            on(0), on(1), on(2), on(3), on(4), on(5), on(6), on(7), on(8), on(9)};
}

GhostTrack track(std::size_t steps)
{
    GhostTrack t;
    for (std::size_t i = 0; i < steps; ++i)
        t.append(frame(i));
    return t;
}

// The frame's floats as their bits, then its flags: equal only when a
// replay would be bit-exact.
std::vector<std::uint32_t> bits(const GhostFrame &f)
{
    std::vector<std::uint32_t> out;
    for (float value : {f.position[0], f.position[1], f.position[2], f.heading, f.swing, f.walkSpeed, f.spinAngle,
                        f.flicker}) {
        std::uint32_t b;
        std::memcpy(&b, &value, sizeof b);
        out.push_back(b);
    }
    for (bool flag : {f.walking, f.running, f.onGround, f.inAir, f.blinking, f.dead, f.forwardKey, f.backKey,
                      f.leftKey, f.rightKey})
        out.push_back(flag);
    return out;
}

void putLE(std::string &bytes, std::size_t at, std::uint32_t value, int n)
{
    for (int i = 0; i < n; ++i)
        bytes[at + std::size_t(i)] = char(value >> (8 * i));
}
} // namespace

TEST(GhostTrack, HoldsThirtyMinutesAndStandsStillPastItsEnd)
{
    GhostTrack t = track(3);
    EXPECT_EQ(bits(t.at(2)), bits(frame(2)));
    EXPECT_EQ(bits(t.at(1000)), bits(frame(2)));
    t = track(GhostTrack::kMaxFrames);
    EXPECT_FALSE(t.cut());
    EXPECT_FALSE(t.append(frame(0)));
    EXPECT_TRUE(t.cut());
    EXPECT_EQ(t.size(), GhostTrack::kMaxFrames);
    EXPECT_FALSE(GhostFile::save(TempDir().path("cut.ghost"), t));
}

TEST(GhostFile, LaysOutHeaderStepsAndChecksumAndRoundTripsBitExact)
{
    EXPECT_EQ(crc32("123456789", 9), 0xCBF43926u);
    const std::string bytes = GhostFile::encode(track(2));
    ASSERT_EQ(bytes.size(), 16u + 2 * 34 + 4);
    EXPECT_EQ(bytes.substr(0, 16), std::string("TH-GHOST\1\0\0\0\2\0\0\0", 16));
    EXPECT_EQ(bytes.substr(16, 4), std::string("\0\0\0\x80", 4)); // x of step 0: -0.0f
    EXPECT_EQ(bytes.substr(48, 2), std::string("\1\0", 2));       // walking
    TempDir dir;
    const std::string path = dir.path("Ghosts/Level01-Ann.ghost");
    const GhostTrack written = track(5000);
    ASSERT_TRUE(GhostFile::save(path, written));
    const std::optional<GhostTrack> read = GhostFile::load(path);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), written.size());
    for (std::size_t i = 0; i < written.size(); ++i)
        ASSERT_EQ(bits(read->at(i)), bits(written.at(i))) << "step " << i;
    EXPECT_EQ(GhostFile::encode(*read), readText(path));
}

TEST(GhostFile, ADamagedFileIsRefusedReportedOnceAndReplaced)
{
    const std::string good = GhostFile::encode(track(3));
    auto with = [&good](std::size_t at, std::uint32_t value, int n) {
        std::string bytes = good;
        putLE(bytes, at, value, n);
        return bytes;
    };
    std::string flipped = good;
    flipped[30] ^= 0x10;
    const std::uint32_t nan = 0x7FC00000u, infinity = 0x7F800000u; // resealed: the checksum is right
    const struct {
        const char *name;
        std::string bytes;
        const char *problem;
    } rows[] = {
        {"empty", "", "not a ghost file"},
        {"another file", "TORCHHERO BESTS 1\nend\n", "not a ghost file"},
        {"cut by a byte", good.substr(0, good.size() - 1), "cut short or overlong"},
        {"cut by a step", good.substr(0, good.size() - 34), "cut short or overlong"},
        {"a byte more", good + '\0', "cut short or overlong"},
        {"newer version", with(8, 2, 4), "version 2, this game reads version 1"},
        {"no steps", with(12, 0, 4), "0 steps, outside"},
        {"oversized count", with(12, 0xFFFFFFFFu, 4), "4294967295 steps, outside"},
        {"count past the bound", with(12, GhostTrack::kMaxFrames + 1, 4), "90001 steps, outside"},
        {"a flipped bit", flipped, "damaged: the checksum"},
        {"a NaN", fuzz::resealed(with(16 + 34 + 12, nan, 4)), "step 1: a value that is not finite"},
        {"an infinity", fuzz::resealed(with(16 + 4, infinity, 4)), "step 0: a value that is not finite"},
        {"an unknown flag", fuzz::resealed(with(16 + 32, 1u << 10, 2)), "step 0: a value that is not finite or an"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        const std::string path = dir.path("Level01-Ann.ghost");
        writeFile(path, row.bytes);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(GhostFile::load(path));
        EXPECT_FALSE(GhostFile::load(path));
        const std::string reported = testing::internal::GetCapturedStderr();
        EXPECT_EQ(reported.rfind(path + ": " + row.problem, 0), 0u) << reported;
        EXPECT_EQ(std::count(reported.begin(), reported.end(), '\n'), 1);
        ASSERT_TRUE(GhostFile::save(path, track(1)));
        EXPECT_TRUE(GhostFile::load(path));
    }
}

TEST(GhostFile, RefusesToWriteWhatItCouldNotRead)
{
    GhostTrack notFinite = track(2);
    GhostFrame bad = frame(0);
    bad.heading = std::nanf("");
    notFinite.append(bad);
    TempDir dir;
    EXPECT_FALSE(GhostFile::save(dir.path("a.ghost"), GhostTrack()));
    EXPECT_FALSE(GhostFile::save(dir.path("a.ghost"), notFinite));
    EXPECT_FALSE(GhostFile::save("", track(1)));
    EXPECT_TRUE(std::filesystem::is_empty(dir.dir()));
    writeFile(dir.path("huge.ghost"), "");
    std::filesystem::resize_file(dir.path("huge.ghost"), 100u << 20);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(GhostFile::load(dir.path("huge.ghost")));
    EXPECT_FALSE(GhostFile::load(dir.path("missing.ghost")));
    const std::string reported = testing::internal::GetCapturedStderr();
    EXPECT_EQ(reported, dir.path("huge.ghost") + ": larger than 3060020 bytes; no ghost, the next best replaces the file\n");
}

TEST(GhostFile, NamesAFileBesideTheTableForAnyNickname)
{
    TempDir dir;
    setHighScoreFile(dir.path("HighScore.hs"));
    const struct {
        std::string nickname;
        const char *level;
        const char *file; // "" when refused
    } rows[] = {
        {"Ann", "Level01", "Level01-Ann.ghost"},
        {"", "Level08", "Level08-.ghost"},
        {"../x", "Level01", "Level01-_2E_2E_2Fx.ghost"},
        {"a_b c", "Level01", "Level01-a_5Fb_20c.ghost"},
        {"J\xf6rg", "Level01", "Level01-J_F6rg.ghost"},
        {std::string("\0/", 2), "Level01", "Level01-_00_2F.ghost"},
        {"Eightchr", "Level01", ""},
        {"Ann", "../Level01", ""},
        {"Ann", "", ""},
    };
    for (const auto &row : rows) {
        const std::string path = GhostFile::path(row.nickname, row.level);
        EXPECT_EQ(path, *row.file ? dir.path("Ghosts/") + row.file : "") << row.nickname;
    }
    setHighScoreFile("HighScore.hs");
    EXPECT_EQ(GhostFile::path("Ann", "Level01"), "Ghosts/Level01-Ann.ghost");
}
