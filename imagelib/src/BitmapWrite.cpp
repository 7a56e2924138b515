#include "voxa/Bitmap.h"

#include "BmpFormat.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace VOXA {

namespace {
constexpr unsigned int kMaxChannels = 4;
constexpr unsigned int kPaletteEntries = 256;

// Pixels per metre that read back as `spacing` for `size` pixels (the
// reader sets spacing = size / resolution); 0 when there is none.
std::uint32_t resolutionFor(int size, float spacing)
{
    if (!(spacing > 0.0f) || !std::isfinite(spacing))
        return 0;
    const double ppm = std::round(double(size) / double(spacing));
    return (ppm >= 1.0 && ppm <= 2147483647.0) ? std::uint32_t(ppm) : 0;
}
} // namespace

int Bitmap::create(int width, int height, int channels, unsigned char *data)
{
    clearPalette();
    if (init(width, height, 1, 1, channels) != 0)
        return -1;
    m_bitsPerPixel = 8u * unsigned(channels);
    if (data != nullptr)
        setData(data); // frees the zeroed buffer; `data` stays the caller's
    return 1;
}

int Bitmap::write(const char *fileName) const
{
    const int width = m_dim[0], height = m_dim[1];
    const unsigned int channels = unsigned(m_channels);
    if (fileName == nullptr || getTypedData() == nullptr || width <= 0 || height <= 0 ||
        channels == 0 || channels > kMaxChannels)
        return -1;
    const unsigned int bitCount = 8 * channels;
    const std::size_t rowBytes = std::size_t(width) * channels;
    const std::size_t paddedRow = std::size_t(bmp::paddedRowBytes(bitCount, width));
    const std::size_t paletteBytes = bitCount == 8 ? kPaletteEntries * kPaletteEntryBytes : 0;
    const std::uint64_t imageBytes = std::uint64_t(paddedRow) * height;
    const std::uint64_t fileBytes = bmp::kHeaderBytes + paletteBytes + imageBytes;
    if (fileBytes > 0xFFFFFFFFull)
        return -1;

    unsigned char header[bmp::kHeaderBytes] = {};
    bmp::putU16(header + bmp::kType, bmp::kMagic);
    bmp::putU32(header + bmp::kFileSize, std::uint32_t(fileBytes));
    bmp::putU32(header + bmp::kDataOffset, std::uint32_t(bmp::kHeaderBytes + paletteBytes));
    bmp::putU32(header + bmp::kInfoSize, bmp::kInfoHeaderBytes);
    bmp::putU32(header + bmp::kWidth, std::uint32_t(width));
    bmp::putU32(header + bmp::kHeight, std::uint32_t(height));
    bmp::putU16(header + bmp::kPlanes, 1);
    bmp::putU16(header + bmp::kBitCount, std::uint16_t(bitCount));
    bmp::putU32(header + bmp::kImageSize, std::uint32_t(imageBytes));
    bmp::putU32(header + bmp::kXResolution, resolutionFor(width, m_spacing[0]));
    bmp::putU32(header + bmp::kYResolution, resolutionFor(height, m_spacing[1]));
    bmp::putU32(header + bmp::kColoursUsed, paletteBytes ? kPaletteEntries : 0);

    // Entries beyond a shorter held palette are zero; without one, a grey ramp.
    std::vector<unsigned char> palette(paletteBytes, 0);
    for (unsigned int i = 0; paletteBytes && i < kPaletteEntries; ++i) {
        unsigned char *entry = &palette[i * kPaletteEntryBytes];
        if (m_palette && i < m_paletteSize)
            std::memcpy(entry, &m_palette[i * kPaletteEntryBytes], kPaletteEntryBytes);
        else if (!m_palette)
            entry[0] = entry[1] = entry[2] = static_cast<unsigned char>(i);
    }

    std::FILE *file = std::fopen(fileName, "wb");
    if (file == nullptr)
        return -1;
    bool ok = std::fwrite(header, 1, sizeof header, file) == sizeof header;
    // No palette for 16 bits and up; fwrite must not see the empty vector's null data.
    if (!palette.empty())
        ok = ok && std::fwrite(palette.data(), 1, palette.size(), file) == palette.size();
    std::vector<unsigned char> row(paddedRow, 0);
    for (int y = height - 1; ok && y >= 0; --y) {
        std::memcpy(row.data(), getTypedData() + std::size_t(y) * rowBytes, rowBytes);
        ok = std::fwrite(row.data(), 1, paddedRow, file) == paddedRow;
    }
    return (std::fclose(file) == 0 && ok) ? 1 : -1;
}

} // namespace VOXA
