#include "BmpFormat.h"

#include "voxa/Image.h"

#include <climits>

namespace VOXA {
namespace bmp {

namespace {
std::uint32_t u32(const unsigned char *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::uint16_t u16(const unsigned char *p)
{
    return std::uint16_t(p[0] | p[1] << 8);
}

std::int32_t s32(const unsigned char *p)
{
    // Spelled out: converting a value above INT32_MAX is implementation-defined in C++17.
    const std::uint32_t v = u32(p);
    return v <= 0x7FFFFFFFu ? std::int32_t(v) : std::int32_t(std::int64_t(v) - 0x100000000LL);
}

bool supportedDepth(unsigned int bitCount)
{
    return bitCount == 8 || bitCount == 16 || bitCount == 24 || bitCount == 32;
}
} // namespace

Header parseHeader(const unsigned char *bytes)
{
    Header h;
    h.type = u16(bytes + kType);
    h.dataOffset = u32(bytes + kDataOffset);
    h.infoSize = u32(bytes + kInfoSize);
    h.width = s32(bytes + kWidth);
    h.height = s32(bytes + kHeight);
    h.bitCount = u16(bytes + kBitCount);
    h.xResolution = s32(bytes + kXResolution);
    h.yResolution = s32(bytes + kYResolution);
    h.coloursUsed = u32(bytes + kColoursUsed);
    return h;
}

std::uint64_t paddedRowBytes(unsigned int bitCount, std::int64_t width)
{
    return (std::uint64_t(bitCount) * std::uint64_t(width) + 31) / 32 * 4;
}

bool planLayout(const Header &h, std::uint64_t fileSize, Layout &out)
{
    // INT32_MIN has no positive counterpart; 0 rows is no picture.
    if (h.type != kMagic || !supportedDepth(h.bitCount) || h.width <= 0 || h.height == 0 ||
        h.height == INT32_MIN)
        return false;
    Layout l;
    l.width = h.width;
    l.height = h.height < 0 ? -h.height : h.height;
    l.topDown = h.height < 0;
    l.channels = h.bitCount / 8;
    l.rowBytes = std::size_t(l.width) * std::size_t(l.channels);
    if (std::uint64_t(l.rowBytes) * std::uint64_t(l.height) > kMaxImageBytes)
        return false;
    l.paddedRow = std::size_t(paddedRowBytes(h.bitCount, l.width));
    if (h.bitCount == 8) {
        if (h.coloursUsed > 256)
            return false;
        l.paletteEntries = h.coloursUsed == 0 ? 256u : h.coloursUsed;
    }
    // Larger information headers (V4, V5) put the palette after themselves;
    // a smaller size field is taken for the 40 bytes actually parsed.
    const std::uint64_t infoSize = h.infoSize < kInfoHeaderBytes ? kInfoHeaderBytes : h.infoSize;
    l.paletteStart = kFileHeaderBytes + infoSize;
    const std::uint64_t paletteEnd = l.paletteStart + 4ull * l.paletteEntries;
    // The last row need not carry its padding.
    const std::uint64_t dataBytes = std::uint64_t(l.paddedRow) * (l.height - 1) + l.rowBytes;
    // The data offset is honoured when it points past the palette (files
    // with gaps or colour masks); a smaller one cannot be right, and the
    // pixels are taken to follow the palette. An offset past the palette
    // whose pixels do not fit means a cut-off file: refused below.
    l.dataStart = h.dataOffset >= paletteEnd ? h.dataOffset : paletteEnd;
    if (l.dataStart + dataBytes > fileSize)
        return false;
    out = l;
    return true;
}

void putU16(unsigned char *at, std::uint16_t v)
{
    at[0] = static_cast<unsigned char>(v);
    at[1] = static_cast<unsigned char>(v >> 8);
}

void putU32(unsigned char *at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<unsigned char>(v >> (8 * i));
}

} // namespace bmp
} // namespace VOXA
