// Runs the asset generator into scratch directories and checks what the
// game will read from them: every file, in the format its loader takes,
// and no picture blank, no sound silent.
#include "core/HighScoreTable.h"
#include "imagebase"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <vector>

namespace {
const char *const kBitmaps[] = {
    "Lives.bmp", "clear.bmp", "Boulder.bmp", "HeroHead.bmp", "HeroHeadTwinkle.bmp", "HeroHeadTot.bmp",
    "HeroHeadHappy.bmp", "HeroBody.bmp", "HeroFeet.bmp", "DidudHead.bmp", "DidudHeadTwinkle.bmp",
    "DidudHeadTot.bmp", "DidudBody.bmp", "DidudFeet.bmp", "blueStone.bmp", "grass.bmp", "lava.bmp",
    "Floor.bmp", "Metal.bmp", "Brick.bmp", "Boden1.bmp", "Boden2.bmp", "Ceil1.bmp"};
// Tiled pictures without a grout line or seam drawn on their border (Floor,
// Brick and Metal have one there by design).
const char *const kSeamlessBitmaps[] = {"blueStone.bmp", "grass.bmp",  "lava.bmp",   "Boden1.bmp",
                                        "Boden2.bmp",    "Ceil1.bmp", "Boulder.bmp"};
const char *const kFaces[] = {"HeroHead.bmp",  "HeroHeadTwinkle.bmp", "HeroHeadTot.bmp", "HeroHeadHappy.bmp",
                              "DidudHead.bmp", "DidudHeadTwinkle.bmp", "DidudHeadTot.bmp"};
const char *const kSounds[] = {"jump3.wav", "lost.wav", "jump.wav", "DEAD.wav", "youvdunnit.wav"};

// Runs the generator (built beside the run directory) into `dir`; returns
// its exit status.
int generate(const TempDir &dir)
{
    const char *runDir = std::getenv("GAME_RUN_DIR");
    const std::string tool = std::string(runDir ? runDir : ".") + "/../tools/assetgen";
    const int status = std::system(("'" + tool + "' '" + dir.dir() + "'").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Bytes of the picture at (x, y): blue, green, red.
const unsigned char *pixel(VOXA::Bitmap &bitmap, int x, int y)
{
    return bitmap.getTypedData() + (size_t(y) * bitmap.getDim(0) + x) * 3;
}

// Mean absolute difference between two columns (axis 0) or rows (axis 1).
double lineDifference(VOXA::Bitmap &bitmap, int axis, int a, int b)
{
    const int length = bitmap.getDim(1 - axis);
    double sum = 0;
    for (int i = 0; i < length; ++i) {
        const unsigned char *p = axis == 0 ? pixel(bitmap, a, i) : pixel(bitmap, i, a);
        const unsigned char *q = axis == 0 ? pixel(bitmap, b, i) : pixel(bitmap, i, b);
        for (int c = 0; c < 3; ++c)
            sum += std::abs(int(p[c]) - int(q[c]));
    }
    return sum / (3.0 * length);
}

std::int32_t le(const std::string &bytes, size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | std::uint8_t(bytes[at + i]);
    return size == 2 ? std::int16_t(value) : std::int32_t(value);
}
} // namespace

class AssetGen : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir = new TempDir;
        ASSERT_EQ(generate(*dir), 0);
    }
    static void TearDownTestSuite() { delete dir; }

    static int read(VOXA::Bitmap &bitmap, const char *name)
    {
        return bitmap.read(dir->path(std::string("Texturen/") + name).c_str(), 1);
    }

    static TempDir *dir;
};
TempDir *AssetGen::dir = nullptr;

TEST_F(AssetGen, EveryBitmapIsA24BitPictureNotBlank)
{
    for (const char *name : kBitmaps) {
        SCOPED_TRACE(name);
        VOXA::Bitmap bitmap;
        ASSERT_EQ(read(bitmap, name), 1);
        EXPECT_EQ(bitmap.getChannels(), 3);
        const unsigned char *data = bitmap.getTypedData(), *end = data + bitmap.getImageSize();
        if (name == std::string("clear.bmp")) // plain white by design
            EXPECT_TRUE(std::all_of(data, end, [](unsigned char b) { return b == 255; }));
        else
            EXPECT_FALSE(std::equal(data + 3, end, data)) << "one colour";
    }
}

// The step across the wrap looks like any step inside.
TEST_F(AssetGen, RepeatedTexturesTileWithoutSeams)
{
    for (const char *name : kSeamlessBitmaps) {
        VOXA::Bitmap bitmap;
        ASSERT_EQ(read(bitmap, name), 1) << name;
        for (int axis = 0; axis < 2; ++axis) {
            const int size = bitmap.getDim(axis);
            double largest = 0;
            for (int i = 1; i < size; ++i)
                largest = std::max(largest, lineDifference(bitmap, axis, i - 1, i));
            EXPECT_LE(lineDifference(bitmap, axis, size - 1, 0), largest + 1) << name << " axis " << axis;
        }
    }
}

// The features, near-black ink on coloured skin, are centred on u = 0.5
// (the front of the head sphere) and between crown (row 0) and chin.
TEST_F(AssetGen, FacesSitAtTheFrontOfTheHeadSphere)
{
    for (const char *name : kFaces) {
        VOXA::Bitmap bitmap;
        ASSERT_EQ(read(bitmap, name), 1) << name;
        double sumX = 0, sumY = 0;
        int count = 0;
        for (int y = 0; y < bitmap.getDim(1); ++y)
            for (int x = 0; x < bitmap.getDim(0); ++x) {
                const unsigned char *p = pixel(bitmap, x, y);
                const bool ink = p[0] < 40 && p[1] < 40 && p[2] < 40;
                sumX += ink ? x : 0;
                sumY += ink ? y : 0;
                count += ink;
            }
        ASSERT_GT(count, 50) << name;
        EXPECT_NEAR(sumX / count / bitmap.getDim(0), 0.5, 0.03) << name;
        EXPECT_NEAR(sumY / count / bitmap.getDim(1), 0.5, 0.2) << name;
    }
}

// What the sound loader takes: RIFF/WAVE, PCM, mono, 16 bits, the data
// chunk filling the file; audible, and fading out (no click at the end).
TEST_F(AssetGen, SoundsAreShortAudible16BitMonoPcm)
{
    for (const char *name : kSounds) {
        SCOPED_TRACE(name);
        const std::string wav = readText(dir->path(std::string("Sounds/") + name));
        ASSERT_GT(wav.size(), 44u);
        EXPECT_EQ(wav.substr(0, 4) + wav.substr(8, 8) + wav.substr(36, 4), "RIFFWAVEfmt data");
        EXPECT_EQ(wav.substr(20, 4) + wav.substr(34, 2), std::string("\1\0\1\0\x10\0", 6)) << "PCM, mono, 16 bits";
        ASSERT_EQ(size_t(le(wav, 40, 4)) + 44, wav.size());
        EXPECT_GT(le(wav, 40, 4) / 2.0 / le(wav, 24, 4), 0.05) << "seconds";
        int peak = 0;
        for (size_t at = 44; at + 1 < wav.size(); at += 2)
            peak = std::max(peak, std::abs(int(le(wav, at, 2))));
        EXPECT_GT(peak, 3000);
        EXPECT_LT(std::abs(int(le(wav, wav.size() - 2, 2))), 500);
    }
}

// Four RGB texels in [0, 1], each brighter than the one before.
TEST_F(AssetGen, RampHoldsTwelveValuesGettingBrighter)
{
    std::ifstream in(dir->path("tex/red.txt"));
    std::vector<float> values;
    for (float value; in >> value;)
        values.push_back(value);
    ASSERT_EQ(values.size(), 12u);
    EXPECT_TRUE(std::all_of(values.begin(), values.end(), [](float v) { return v >= 0.0f && v <= 1.0f; }));
    for (int i = 3; i < 12; i += 3)
        EXPECT_GT(values[i] + values[i + 1] + values[i + 2], values[i - 3] + values[i - 2] + values[i - 1]);
}

// A fresh table is the game's empty one; a rebuild keeps the player's
// table, and everything else comes out byte for byte the same.
TEST_F(AssetGen, HighScoreTableStartsEmptyAndSurvivesRebuilds)
{
    EXPECT_EQ(readText(dir->path("HighScore.hs")), HighScoreTable::kEmptyTable);

    TempDir other;
    const std::string scores = "HIGH SCORES\nheader\n1      0:05:00      Ada";
    other.write("HighScore.hs", scores);
    ASSERT_EQ(generate(other), 0);
    EXPECT_EQ(readText(other.path("HighScore.hs")), scores);
    for (const auto &file : std::filesystem::recursive_directory_iterator(dir->dir()))
        if (file.is_regular_file() && file.path().filename() != "HighScore.hs") {
            const std::string name = std::filesystem::relative(file.path(), dir->dir()).string();
            EXPECT_EQ(readText(other.path(name)), readText(file.path().string())) << name;
        }
}
