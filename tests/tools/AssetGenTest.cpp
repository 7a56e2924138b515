// Runs the asset generator into scratch directories and checks what the
// game will read from them.
#include "imagebase"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <cmath>
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
const char *const kSounds[] = {"jump3.wav", "lost.wav", "jump.wav", "DEAD.wav", "youvdunnit.wav"};

std::string generator()
{
    const char *runDir = std::getenv("GAME_RUN_DIR");
    return std::string(runDir ? runDir : ".") + "/../tools/assetgen";
}

// Runs the generator into `dir`; returns its exit status.
int generate(const TempDir &dir)
{
    const int status = std::system(("'" + generator() + "' '" + dir.dir() + "'").c_str());
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
    static TempDir *dir;
};
TempDir *AssetGen::dir = nullptr;

TEST_F(AssetGen, EveryBitmapIsASmallPowerOfTwo24BitPicture)
{
    for (const char *name : kBitmaps) {
        VOXA::Bitmap bitmap;
        ASSERT_EQ(bitmap.read(dir->path(std::string("Texturen/") + name).c_str(), 1), 1) << name;
        EXPECT_EQ(bitmap.getChannels(), 3) << name;
        EXPECT_EQ(bitmap.getBitsPerPixel(), 24u) << name;
        for (int axis = 0; axis < 2; ++axis) {
            const int size = bitmap.getDim(axis);
            EXPECT_TRUE(size >= 64 && size <= 256 && (size & (size - 1)) == 0) << name << " " << size;
        }
    }
    VOXA::Bitmap clear;
    ASSERT_EQ(clear.read(dir->path("Texturen/clear.bmp").c_str(), 1), 1);
    const unsigned char *data = clear.getTypedData();
    EXPECT_TRUE(std::all_of(data, data + clear.getDim(0) * clear.getDim(1) * 3, [](unsigned char b) { return b == 255; }));
}

TEST_F(AssetGen, RepeatedTexturesTileWithoutSeams)
{
    for (const char *name : kSeamlessBitmaps) {
        VOXA::Bitmap bitmap;
        ASSERT_EQ(bitmap.read(dir->path(std::string("Texturen/") + name).c_str(), 1), 1) << name;
        for (int axis = 0; axis < 2; ++axis) {
            const int size = bitmap.getDim(axis);
            double largest = 0;
            for (int i = 1; i < size; ++i)
                largest = std::max(largest, lineDifference(bitmap, axis, i - 1, i));
            // The step across the wrap looks like any step inside.
            EXPECT_LE(lineDifference(bitmap, axis, size - 1, 0), largest + 1) << name << " axis " << axis;
        }
    }
}

TEST_F(AssetGen, FacesSitAtTheFrontOfTheHeadSphere)
{
    for (const char *name : {"HeroHead.bmp", "HeroHeadTwinkle.bmp", "HeroHeadTot.bmp", "HeroHeadHappy.bmp",
                             "DidudHead.bmp", "DidudHeadTwinkle.bmp", "DidudHeadTot.bmp"}) {
        VOXA::Bitmap bitmap;
        ASSERT_EQ(bitmap.read(dir->path(std::string("Texturen/") + name).c_str(), 1), 1) << name;
        // The features are drawn in near-black ink on coloured skin.
        double sumX = 0, sumY = 0;
        int count = 0;
        for (int y = 0; y < bitmap.getDim(1); ++y)
            for (int x = 0; x < bitmap.getDim(0); ++x) {
                const unsigned char *p = pixel(bitmap, x, y);
                if (p[0] < 40 && p[1] < 40 && p[2] < 40) {
                    sumX += x;
                    sumY += y;
                    ++count;
                }
            }
        ASSERT_GT(count, 50) << name;
        // u = 0.5 faces forward; the top row is the crown.
        EXPECT_NEAR(sumX / count / bitmap.getDim(0), 0.5, 0.03) << name;
        EXPECT_GT(sumY / count / bitmap.getDim(1), 0.3) << name;
        EXPECT_LT(sumY / count / bitmap.getDim(1), 0.7) << name;
    }
}

TEST_F(AssetGen, SoundsAreShortAudible16BitMonoPcm)
{
    for (const char *name : kSounds) {
        const std::string wav = readText(dir->path(std::string("Sounds/") + name));
        ASSERT_GT(wav.size(), 44u) << name;
        EXPECT_EQ(wav.substr(0, 4), "RIFF") << name;
        EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ") << name;
        EXPECT_EQ(le(wav, 20, 2), 1) << name;  // PCM
        EXPECT_EQ(le(wav, 22, 2), 1) << name;  // mono
        EXPECT_EQ(le(wav, 34, 2), 16) << name; // bits per sample
        EXPECT_EQ(wav.substr(36, 4), "data") << name;
        const std::int32_t bytes = le(wav, 40, 4);
        ASSERT_EQ(size_t(bytes) + 44, wav.size()) << name;
        const double seconds = bytes / 2.0 / le(wav, 24, 4);
        EXPECT_GT(seconds, 0.05) << name;
        EXPECT_LT(seconds, 3.0) << name;
        int peak = 0;
        for (size_t at = 44; at + 1 < wav.size(); at += 2)
            peak = std::max(peak, std::abs(int(le(wav, at, 2))));
        EXPECT_GT(peak, 3000) << name;
        EXPECT_LT(std::abs(int(le(wav, wav.size() - 2, 2))), 500) << name; // fades out: no click
    }
}

TEST_F(AssetGen, RampHoldsTwelveValuesGettingBrighter)
{
    std::ifstream in(dir->path("tex/red.txt"));
    std::vector<float> values;
    float value;
    while (in >> value)
        values.push_back(value);
    ASSERT_EQ(values.size(), 12u);
    for (float v : values) {
        EXPECT_GE(v, 0.0f);
        EXPECT_LE(v, 1.0f);
    }
    for (int texel = 1; texel < 4; ++texel)
        EXPECT_GT(values[texel * 3] + values[texel * 3 + 1] + values[texel * 3 + 2],
                  values[texel * 3 - 3] + values[texel * 3 - 2] + values[texel * 3 - 1]);
    EXPECT_FALSE(readText(dir->path("comic.vs")).empty());
    EXPECT_FALSE(readText(dir->path("comic.fs")).empty());
}

TEST_F(AssetGen, HighScoreTableStartsWithTwoHeaderLinesAndSurvivesRebuilds)
{
    const std::string fresh = readText(dir->path("HighScore.hs"));
    EXPECT_EQ(std::count(fresh.begin(), fresh.end(), '\n'), 1); // two lines, no end after the last
    EXPECT_NE(fresh.back(), '\n');

    TempDir other;
    const std::string scores = "HIGH SCORES\nheader\n1      0:05:00      Ada";
    other.write("HighScore.hs", scores);
    ASSERT_EQ(generate(other), 0);
    EXPECT_EQ(readText(other.path("HighScore.hs")), scores);

    // Everything else comes out byte for byte the same on every run.
    for (const char *name : kBitmaps)
        EXPECT_EQ(readText(other.path(std::string("Texturen/") + name)),
                  readText(dir->path(std::string("Texturen/") + name))) << name;
    for (const char *name : kSounds)
        EXPECT_EQ(readText(other.path(std::string("Sounds/") + name)),
                  readText(dir->path(std::string("Sounds/") + name))) << name;
}
