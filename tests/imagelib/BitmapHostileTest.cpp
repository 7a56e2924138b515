// Malformed and hostile BMP files: each must be refused cleanly (or, where
// the data are all there, read correctly) without over-reading or large
// allocations. Run under ASan/UBSan with scripts/test.sh --sanitize.
#include "tools/fuzz/SeedCorpus.h"

#include <imagebase>

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace {

using seeds::BmpFields;
using seeds::bmpPicture;
using seeds::Bytes;

struct Hostile {
    const char *name;
    std::function<Bytes()> bytes;
};

Bytes withField(Bytes b, std::size_t at, std::uint64_t value, int width)
{
    seeds::putLE(b, at, value, width);
    return b;
}

Bytes rgb() { return bmpPicture(3, 2, 24, false); }
Bytes grey() { return bmpPicture(3, 2, 8, false); }

Bytes truncated(Bytes b, std::size_t drop)
{
    b.resize(b.size() - drop);
    return b;
}

Bytes headerOnly(std::int32_t width, std::int32_t height, std::uint16_t bits)
{
    BmpFields f;
    f.width = width;
    f.height = height;
    f.bitCount = bits;
    return seeds::bmpBytes(f, 0, Bytes(16, 0x55));
}

const Hostile kRefused[] = {
    {"empty file", [] { return Bytes(); }},
    {"shorter than the header", [] { return truncated(rgb(), rgb().size() - 53); }},
    {"not BM", [] { return withField(rgb(), 0, 0x4D41, 2); }},
    {"width 0", [] { return withField(rgb(), 18, 0, 4); }},
    {"negative width", [] { return withField(rgb(), 18, std::uint32_t(-3), 4); }},
    {"height 0", [] { return withField(rgb(), 22, 0, 4); }},
    {"height INT32_MIN", [] { return withField(rgb(), 22, 0x80000000u, 4); }},
    {"1 bit", [] { return withField(rgb(), 28, 1, 2); }},
    {"4 bits", [] { return withField(rgb(), 28, 4, 2); }},
    {"17 bits", [] { return withField(rgb(), 28, 17, 2); }},
    {"48 bits", [] { return withField(rgb(), 28, 48, 2); }},
    {"0 bits", [] { return withField(rgb(), 28, 0, 2); }},
    // 0x40000000 x 4 bytes wraps a 32-bit product to 0.
    {"size product wraps 32 bits", [] { return headerOnly(0x40000000, 4, 8); }},
    {"65536 x 65536 x 4", [] { return headerOnly(65536, 65536, 32); }},
    {"just beyond the cap", [] { return headerOnly(16384, -16385, 32); }},
    {"max width and height", [] { return headerOnly(INT32_MAX, INT32_MAX, 24); }},
    {"last pixel byte missing", [] { return truncated(rgb(), 4); }},
    {"no pixel data at all", [] { return truncated(rgb(), 24); }},
    {"ends inside the palette", [] { return truncated(grey(), 2 * 4 + 600); }},
    {"colours used 257", [] { return withField(grey(), 46, 257, 4); }},
    {"colours used 0xFFFFFFFF", [] { return withField(grey(), 46, 0xFFFFFFFFu, 4); }},
    {"info header size beyond the file", [] { return withField(rgb(), 14, 0xFFFFFFF0u, 4); }},
};

TEST(BitmapHostile, RefusedAndPreviousImageKept)
{
    for (const Hostile &h : kRefused) {
        SCOPED_TRACE(h.name);
        const Bytes file = h.bytes();
        VOXA::Bitmap bmp;
        const Bytes good = bmpPicture(2, 2, 32, false);
        ASSERT_EQ(bmp.readFromMemory(good.data(), good.size()), 1);
        EXPECT_EQ(bmp.readFromMemory(file.data(), file.size()), -1);
        // Refused from the header: the last good picture is untouched.
        EXPECT_EQ(bmp.getDim(0), 2);
        EXPECT_EQ(bmp.getChannels(), 4);
        EXPECT_EQ(bmp.getImageSize(), 16);
    }
}

TEST(BitmapHostile, SizeFieldsThatUnderstateTheDataAreRecomputed)
{
    // 0 is allowed for uncompressed data; 1 is simply wrong. Both read the
    // padded rows the header's sizes need.
    for (std::uint32_t sizeField : {0u, 1u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(sizeField);
        const Bytes file = withField(bmpPicture(3, 2, 24, false), 34, sizeField, 4);
        VOXA::Bitmap bmp;
        ASSERT_EQ(bmp.readFromMemory(file.data(), file.size()), 1);
        EXPECT_EQ(bmp.getTypedData()[0], seeds::pattern(0, 0, 0));
        EXPECT_EQ(bmp.getTypedData()[17], seeds::pattern(2, 1, 2));
    }
}

TEST(BitmapHostile, LastRowWithoutPaddingStillReads)
{
    // 3 x 24 bits = 9 bytes per row, padded to 12; dropping the final
    // padding leaves every pixel in the file.
    const Bytes file = truncated(bmpPicture(3, 2, 24, true), 3);
    VOXA::Bitmap bmp;
    ASSERT_EQ(bmp.readFromMemory(file.data(), file.size()), 1);
    EXPECT_EQ(bmp.getTypedData()[17], seeds::pattern(2, 1, 2));
}

TEST(BitmapHostile, HugeHeaderOnTinyFileAllocatesNothing)
{
    // 16384 x 16384 x 4 is at the cap but the file is 70 bytes: the size
    // check against the file must refuse it before any allocation.
    const Bytes file = headerOnly(16384, 16384, 32);
    VOXA::Bitmap bmp;
    EXPECT_EQ(bmp.readFromMemory(file.data(), file.size()), -1);
    EXPECT_EQ(bmp.getTypedData(), nullptr);
}

} // namespace
