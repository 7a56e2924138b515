// Malformed and hostile BMP files: each must be refused cleanly (or, where
// the data are all there, read correctly) without over-reading or large
// allocations (cut-off files: the seed replay's truncation sweep). Run
// under ASan/UBSan with scripts/test.sh --sanitize.
#include "support/Files.h"
#include "tools/fuzz/SeedCorpus.h"

#include <imagebase>

#include <gtest/gtest.h>

#include <functional>

namespace {

using seeds::BmpFields;
using seeds::bmpPicture;
using seeds::Bytes;

// A file and, when it is accepted, the picture's width and channels.
struct FileRow {
    const char *name;
    std::function<Bytes()> bytes;
    int width = 0, channels = 0;
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

const FileRow kRefused[] = {
    {"not BM", [] { return withField(rgb(), 0, 0x4D41, 2); }},
    {"width 0", [] { return withField(rgb(), 18, 0, 4); }},
    {"height 0", [] { return withField(rgb(), 22, 0, 4); }},
    {"height INT32_MIN", [] { return withField(rgb(), 22, 0x80000000u, 4); }},
    {"4 bits", [] { return withField(rgb(), 28, 4, 2); }},
    {"17 bits", [] { return withField(rgb(), 28, 17, 2); }},
    {"48 bits", [] { return withField(rgb(), 28, 48, 2); }},
    {"0 bits", [] { return withField(rgb(), 28, 0, 2); }},
    // 0x40000000 x 4 bytes wraps a 32-bit product to 0 (as 65536² x 4 does).
    {"size product wraps 32 bits", [] { return headerOnly(0x40000000, 4, 8); }},
    {"ends inside the palette", [] { return truncated(grey(), 2 * 4 + 600); }},
    {"colours used 257", [] { return withField(grey(), 46, 257, 4); }},
    {"colours used 0xFFFFFFFF", [] { return withField(grey(), 46, 0xFFFFFFFFu, 4); }},
    {"info header size beyond the file", [] { return withField(rgb(), 14, 0xFFFFFFF0u, 4); }},
    {"data offset far past the end", [] { return withField(rgb(), 10, 0x7FFFFFFF, 4); }},
    // At the cap, but the file is 70 bytes: refused before any allocation
    // (the cap itself: ImageGeometry.InitRefuses..., the same 1 GiB).
    {"16384 x 16384 x 4 on a tiny file", [] { return headerOnly(16384, 16384, 32); }},
};

TEST(BitmapHostile, RefusedAndPreviousImageKept)
{
    for (const FileRow &h : kRefused) {
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

Bytes withFields(int width, int bits, void (*set)(BmpFields &))
{
    BmpFields f;
    set(f);
    return bmpPicture(width, 2, bits, false, f);
}

// Unusual but complete files: every pixel reads as written, from memory and
// from a file (its source skips more than 64 bytes by seeking).
const FileRow kAccepted[] = {
    // The field is not read (0 is allowed for uncompressed data); wrong
    // values still read the padded rows the header's sizes need.
    {"image size field 1", [] { return withField(rgb(), 34, 1, 4); }, 3, 3},
    {"image size field 0xFFFFFFFF", [] { return withField(rgb(), 34, 0xFFFFFFFFu, 4); }, 3, 3},
    // 3 x 24 bits = 9 bytes per row, padded to 12.
    {"last row without its padding", [] { return truncated(rgb(), 3); }, 3, 3},
    {"16 bits: two raw channels", [] { return bmpPicture(5, 2, 16, false); }, 5, 2},
    {"V5 info header", [] { return withFields(3, 32, [](BmpFields &f) { f.infoSize = 124; }); }, 3, 4},
    {"gap before the data", [] { return withFields(3, 32, [](BmpFields &f) { f.dataOffset = 80; }); }, 3, 4},
    // An offset inside the header cannot be right: the pixels follow it.
    {"data offset 53", [] { return withField(rgb(), 10, 53, 4); }, 3, 3},
};

TEST(BitmapHostile, CompleteDataIsReadDespiteOddFields)
{
    TempDir tmp;
    for (const auto &row : kAccepted) {
        SCOPED_TRACE(row.name);
        const Bytes file = row.bytes();
        writeFile(tmp.path("a.bmp"), file);
        VOXA::Bitmap fromMemory, fromFile;
        ASSERT_EQ(fromMemory.readFromMemory(file.data(), file.size()), 1);
        ASSERT_EQ(fromFile.read(tmp.path("a.bmp").c_str(), 1), 1);
        for (const VOXA::Bitmap *bmp : {&fromMemory, &fromFile}) {
            ASSERT_EQ(bmp->getDim(0), row.width);
            ASSERT_EQ(bmp->getDim(1), 2);
            ASSERT_EQ(bmp->getChannels(), row.channels);
            for (int i = 0; i < bmp->getImageSize(); ++i) {
                const int c = i % row.channels, x = i / row.channels % row.width, y = i / row.channels / row.width;
                ASSERT_EQ(bmp->getTypedData()[i], seeds::pattern(x, y, c)) << "byte " << i;
            }
        }
    }
}

} // namespace
