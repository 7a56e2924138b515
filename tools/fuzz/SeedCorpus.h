#pragma once
// Small well-formed and borderline image files, as bytes. They seed the
// fuzz targets (written out by fuzz_seeds) and are replayed through the
// readers by the image library's tests. Header-only so that both can use
// it without another library.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace seeds {

using Bytes = std::vector<unsigned char>;

// Header fields of a test BMP; dataOffset < 0 means "right after the
// palette", imageSize 0 is written as 0 (the reader computes its own).
struct BmpFields {
    std::uint16_t type = 0x4D42;
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t infoSize = 40;
    std::uint32_t imageSize = 0;
    std::int32_t xResolution = 0;
    std::int32_t yResolution = 0;
    std::uint32_t coloursUsed = 0;
    std::int64_t dataOffset = -1;
};

inline void putLE(Bytes &b, std::size_t at, std::uint64_t v, int n)
{
    for (int i = 0; i < n; ++i)
        b[at + i] = static_cast<unsigned char>(v >> (8 * i));
}

// The header, then `paletteEntries` entries (i: blue i, green 255-i, red
// i/2), then `pixels` exactly as given.
inline Bytes bmpBytes(const BmpFields &f, unsigned paletteEntries, const Bytes &pixels)
{
    const std::size_t infoSize = f.infoSize < 40 ? 40 : f.infoSize;
    Bytes b(14 + infoSize, 0);
    putLE(b, 0, f.type, 2);
    putLE(b, 10, f.dataOffset >= 0 ? std::uint64_t(f.dataOffset) : b.size() + 4 * paletteEntries, 4);
    putLE(b, 14, f.infoSize, 4);
    putLE(b, 18, std::uint32_t(f.width), 4);
    putLE(b, 22, std::uint32_t(f.height), 4);
    putLE(b, 26, 1, 2);
    putLE(b, 28, f.bitCount, 2);
    putLE(b, 34, f.imageSize, 4);
    putLE(b, 38, std::uint32_t(f.xResolution), 4);
    putLE(b, 42, std::uint32_t(f.yResolution), 4);
    putLE(b, 46, f.coloursUsed, 4);
    for (unsigned i = 0; i < paletteEntries; ++i) {
        const unsigned char entry[4] = {static_cast<unsigned char>(i),
                                        static_cast<unsigned char>(255 - i),
                                        static_cast<unsigned char>(i / 2), 0};
        b.insert(b.end(), entry, entry + 4);
    }
    if (f.dataOffset > std::int64_t(b.size()))
        b.resize(std::size_t(f.dataOffset), 0xEE); // a gap the reader must skip
    b.insert(b.end(), pixels.begin(), pixels.end());
    putLE(b, 2, b.size(), 4);
    return b;
}

// The test picture: value of channel c at (x, y), row 0 at the top.
inline unsigned char pattern(int x, int y, int c)
{
    return static_cast<unsigned char>(x * 31 + y * 17 + c * 7 + 1);
}

// Pixel rows of the test picture as a file stores them: padded to 4
// bytes, bottom row first unless topDown, then fed through bmpBytes.
inline Bytes bmpPicture(int width, int height, int bitCount, bool topDown, BmpFields f = {})
{
    const int channels = bitCount / 8;
    const std::size_t padded = (std::size_t(bitCount) * width + 31) / 32 * 4;
    Bytes pixels;
    for (int r = 0; r < height; ++r) {
        const int y = topDown ? r : height - 1 - r;
        Bytes row(padded, 0);
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < channels; ++c)
                row[std::size_t(x) * channels + c] = pattern(x, y, c);
        pixels.insert(pixels.end(), row.begin(), row.end());
    }
    f.width = width;
    f.height = topDown ? -height : height;
    f.bitCount = std::uint16_t(bitCount);
    f.imageSize = std::uint32_t(pixels.size());
    return bmpBytes(f, bitCount == 8 ? (f.coloursUsed ? f.coloursUsed : 256) : 0, pixels);
}

inline std::vector<std::pair<std::string, Bytes>> bmpSeeds()
{
    BmpFields v5;
    v5.infoSize = 124;
    BmpFields gap;
    gap.dataOffset = 70;
    BmpFields sixteen;
    sixteen.coloursUsed = 16;
    return {
        {"rgb_3x2.bmp", bmpPicture(3, 2, 24, false)},
        {"rgb_topdown_5x3.bmp", bmpPicture(5, 3, 24, true)},
        {"rgba_4x4.bmp", bmpPicture(4, 4, 32, false)},
        {"grey_7x3.bmp", bmpPicture(7, 3, 8, false)},
        {"grey16_3x3.bmp", bmpPicture(3, 3, 8, true, sixteen)},
        {"hi_5x2.bmp", bmpPicture(5, 2, 16, false)},
        {"v5_2x2.bmp", bmpPicture(2, 2, 32, false, v5)},
        {"gap_3x1.bmp", bmpPicture(3, 1, 24, false, gap)},
    };
}

// A MetaImage header and the raw data file it names ("data.raw").
struct MetaSeed {
    std::string header;
    Bytes raw;
};

inline Bytes rampBytes(std::size_t n)
{
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i)
        b[i] = static_cast<unsigned char>(i * 13 + 5);
    return b;
}

inline std::vector<std::pair<std::string, MetaSeed>> metaSeeds()
{
    return {
        {"uchar_4x3", {"NDims = 2\nDimSize = 4 3\nElementType = MET_UCHAR\n"
                       "ElementDataFile = data.raw\n",
                       rampBytes(12)}},
        {"short_msb", {"ObjectType = Image\nNDims = 3\nDimSize = 2 2 2\n"
                       "ElementSpacing = 0.5 0.5 2\nPosition = 0 0 0\n"
                       "ElementByteOrderMSB = True\nElementType = MET_SHORT\n"
                       "ElementDataFile = data.raw\n",
                       rampBytes(16)}},
        {"float_rgb_crlf", {"NDims = 2\r\nDimSize = 2 2\r\nElementNumberOfChannels = 3\r\n"
                            "Element Type = MET_FLOAT\r\nHeaderSize = 4\r\n"
                            "ElementDataFile = data.raw\r\n",
                            rampBytes(4 + 48)}},
        {"double_4d", {"NDims = 4\nDimSize = 2 1 1 2\nElementType = MET_DOUBLE\n"
                       "ElementDataFile = data.raw\n",
                       rampBytes(32)}},
        {"uint_short_raw", {"NDims = 1\nDimSize = 9\nElementType = MET_UINT\n"
                            "ElementDataFile = data.raw\n",
                            rampBytes(10)}},
        // Found by fuzzing: a second ElementType after the data were loaded
        // left an empty image that was returned as loaded.
        {"regression_type_after_data",
         {"NDims = 2\r\nDimSize = 2 2\r\nElement Type = MET_FLOAT\r\n"
          "ElementDataFile = NDims = 4\nDimSize = 2 1 1 2\nElementType = MET_DOUBLE\n",
          {}}},
    };
}

// The MetaImage fuzz input: the header text, one NUL byte, the raw bytes.
inline Bytes encodeMeta(const MetaSeed &seed)
{
    Bytes b(seed.header.begin(), seed.header.end());
    b.push_back(0);
    b.insert(b.end(), seed.raw.begin(), seed.raw.end());
    return b;
}

inline MetaSeed decodeMeta(const unsigned char *data, std::size_t size)
{
    std::size_t split = 0;
    while (split < size && data[split] != 0)
        ++split;
    MetaSeed seed;
    seed.header.assign(reinterpret_cast<const char *>(data), split);
    if (split < size)
        seed.raw.assign(data + split + 1, data + size);
    return seed;
}

} // namespace seeds
