// Reading and writing BMP files through VOXA::Bitmap.
#include "support/Files.h"
#include "tools/fuzz/SeedCorpus.h"

#include <imagebase>

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace {

using seeds::BmpFields;
using seeds::bmpPicture;
using seeds::Bytes;

// Every value of the test picture, with row 0 at the top.
void expectPicture(const VOXA::Bitmap &bmp, int width, int height, int channels)
{
    ASSERT_EQ(bmp.getDim(0), width);
    ASSERT_EQ(bmp.getDim(1), height);
    ASSERT_EQ(bmp.getChannels(), channels);
    const unsigned char *data = bmp.getTypedData();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < channels; ++c)
                ASSERT_EQ(data[(y * width + x) * channels + c], seeds::pattern(x, y, c))
                    << "at " << x << "," << y << " channel " << c;
}

class BitmapRoundTrip : public ::testing::TestWithParam<std::tuple<int, int, bool>> {};

// File -> image -> file -> image for each depth, widths that need 0 to 3
// padding bytes, and both row orders.
TEST_P(BitmapRoundTrip, PreservesEveryPixelAndThePalette)
{
    const auto [bits, width, topDown] = GetParam();
    const int height = 3, channels = bits / 8;
    TempDir tmp;
    writeFile(tmp.path("in.bmp"), bmpPicture(width, height, bits, topDown));

    VOXA::Bitmap first;
    ASSERT_EQ(first.read(tmp.path("in.bmp").c_str(), 1), 1);
    expectPicture(first, width, height, channels);
    EXPECT_EQ(first.getPaletteSize(), bits == 8 ? 256u : 0u);

    ASSERT_EQ(first.write(tmp.path("out.bmp").c_str()), 1);
    const std::size_t padded = (std::size_t(bits) * width + 31) / 32 * 4;
    const Bytes written = readFile(tmp.path("out.bmp"));
    EXPECT_EQ(written.size(), 54 + (bits == 8 ? 1024 : 0) + padded * height);

    VOXA::Bitmap second;
    ASSERT_EQ(second.read(tmp.path("out.bmp").c_str(), 1), 1);
    expectPicture(second, width, height, channels);
    if (bits == 8) {
        EXPECT_EQ(std::memcmp(first.getPalette(), second.getPalette(), 1024), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(DepthsWidthsOrders, BitmapRoundTrip,
                         ::testing::Combine(::testing::Values(8, 24, 32),
                                            ::testing::Values(1, 2, 3, 5),
                                            ::testing::Bool()));

// A short palette is kept as it is and written out as 256 entries, the
// held ones first and zeros after, with a data offset that matches them.
TEST(Bitmap, EightBitKeepsIndicesAndShortPalette)
{
    BmpFields f;
    f.coloursUsed = 16;
    const Bytes file = bmpPicture(4, 2, 8, false, f);
    VOXA::Bitmap bmp;
    ASSERT_EQ(bmp.readFromMemory(file.data(), file.size()), 1);
    expectPicture(bmp, 4, 2, 1);
    ASSERT_EQ(bmp.getPaletteSize(), 16u);
    EXPECT_EQ(bmp.getPalette()[4 * 15 + 1], 255 - 15); // green of entry 15

    TempDir tmp;
    ASSERT_EQ(bmp.write(tmp.path("p.bmp").c_str()), 1);
    const Bytes out = readFile(tmp.path("p.bmp"));
    EXPECT_EQ(out[10] | out[11] << 8, 54 + 1024);
    EXPECT_EQ(out[54 + 4 * 15 + 1], 255 - 15);
    EXPECT_EQ(out[54 + 4 * 16 + 1], 0);
    VOXA::Bitmap again;
    ASSERT_EQ(again.read(tmp.path("p.bmp").c_str(), 1), 1);
    expectPicture(again, 4, 2, 1);
}

// A one-channel picture without a palette is written with a grey ramp
// (blue, green, red, 0), so that other programs show it as it is.
TEST(Bitmap, WriterPutsGreyRampWithoutPalette)
{
    unsigned char pixels[2] = {7, 9};
    VOXA::Bitmap bmp;
    ASSERT_EQ(bmp.create(2, 1, 1, pixels), 1);
    TempDir tmp;
    ASSERT_EQ(bmp.write(tmp.path("g.bmp").c_str()), 1);
    const Bytes out = readFile(tmp.path("g.bmp"));
    ASSERT_EQ(out.size(), 54u + 1024 + 4);
    for (int i : {0, 128, 255}) {
        const unsigned char v = static_cast<unsigned char>(i);
        EXPECT_EQ(Bytes(out.begin() + 54 + 4 * i, out.begin() + 58 + 4 * i), Bytes({v, v, v, 0})) << i;
    }
    EXPECT_EQ(out[54 + 1024], 7);
}

// Spacing is width / pixels per metre; 0 or -1 pixels per metre is no size.
TEST(Bitmap, SpacingComesFromResolution)
{
    BmpFields f;
    f.xResolution = 8;
    f.yResolution = 0;
    Bytes file = bmpPicture(4, 2, 24, false, f);
    VOXA::Bitmap bmp;
    bmp.setSpacing(1.0f, 3.0f, 1.0f, 1.0f);
    ASSERT_EQ(bmp.readFromMemory(file.data(), file.size()), 1);
    EXPECT_FLOAT_EQ(bmp.getSpacing(0), 0.5f);
    EXPECT_FLOAT_EQ(bmp.getSpacing(1), 3.0f); // kept from before
    seeds::putLE(file, 38, 0xFFFFFFFF, 4);
    VOXA::Bitmap fresh;
    ASSERT_EQ(fresh.readFromMemory(file.data(), file.size()), 1);
    EXPECT_FLOAT_EQ(fresh.getSpacing(0), 1.0f);

    // Written as whole pixels per metre: 2 / round(2 / 3) = 2.
    TempDir tmp;
    ASSERT_EQ(bmp.write(tmp.path("s.bmp").c_str()), 1);
    VOXA::Bitmap back;
    ASSERT_EQ(back.read(tmp.path("s.bmp").c_str(), 1), 1);
    EXPECT_FLOAT_EQ(back.getSpacing(0), 0.5f);
    EXPECT_FLOAT_EQ(back.getSpacing(1), 2.0f);
}

// A caller's buffer is used in place and never written to or freed by the
// bitmap (ASan would object); without one the picture is its own, zeroed.
TEST(Bitmap, CreateAdoptsCallerBufferWithoutOwningItOrZeroesItsOwn)
{
    unsigned char pixels[2 * 2 * 3];
    for (int i = 0; i < 12; ++i)
        pixels[i] = static_cast<unsigned char>(i * 20);
    TempDir tmp;
    {
        VOXA::Bitmap bmp;
        ASSERT_EQ(bmp.create(2, 2, 3, pixels), 1);
        EXPECT_EQ(bmp.getTypedData(), pixels);
        ASSERT_EQ(bmp.write(tmp.path("c.bmp").c_str()), 1);
        ASSERT_EQ(bmp.init(8, 8, 1, 1, 3), 0);
        EXPECT_NE(bmp.getTypedData(), pixels);
    }
    VOXA::Bitmap back;
    ASSERT_EQ(back.read(tmp.path("c.bmp").c_str(), 1), 1);
    EXPECT_EQ(std::memcmp(back.getTypedData(), pixels, 12), 0);

    VOXA::Bitmap bmp;
    ASSERT_EQ(bmp.create(3, 2, 4), 1);
    for (int i = 0; i < bmp.getImageSize(); ++i)
        ASSERT_EQ(bmp.getTypedData()[i], 0);
    EXPECT_EQ(bmp.create(-1, 2, 3), -1);
}

TEST(Bitmap, RefusesWhatBmpCannotHoldAndWhatIsNoFile)
{
    TempDir tmp;
    const std::string path = tmp.path("w.bmp");
    VOXA::Bitmap empty, five, ok, bmp;
    ASSERT_EQ(five.create(2, 2, 5), 1);
    ASSERT_EQ(ok.create(2, 2, 3), 1);
    EXPECT_EQ(empty.write(path.c_str()), -1);
    EXPECT_EQ(five.write(path.c_str()), -1);
    EXPECT_EQ(ok.write(nullptr), -1);
    EXPECT_EQ(ok.write(tmp.path("missing/dir/w.bmp").c_str()), -1);
    const std::string missing = tmp.path("nothing.bmp");
    for (const char *name : {static_cast<const char *>(nullptr), missing.c_str(), tmp.dir().c_str(), "/dev/null"})
        EXPECT_EQ(bmp.read(name, 1), -1) << (name ? name : "null");
    EXPECT_EQ(bmp.readFromMemory(nullptr, 10), -1);
}

} // namespace
