#include "voxa/Bitmap.h"

#include "BmpSources.h"

#include <algorithm>
#include <cstring>

namespace VOXA {

Bitmap::Bitmap() : m_bitsPerPixel(0), m_paletteSize(0)
{
}

Bitmap::~Bitmap() = default;

void Bitmap::clearPalette()
{
    m_palette.reset();
    m_paletteSize = 0;
}

bool Bitmap::setPalette(const unsigned char *entries, unsigned int count)
{
    if (count > kMaxPaletteEntries || (entries == nullptr && count > 0))
        return false;
    clearPalette();
    if (count == 0)
        return true;
    m_palette.reset(new unsigned char[count * kPaletteEntryBytes]);
    std::memcpy(m_palette.get(), entries, count * kPaletteEntryBytes);
    m_paletteSize = count;
    return true;
}

int Bitmap::read(const char *fileName, int /*flag*/)
{
    bmp::FileSource source(fileName);
    if (!source.ok())
        return -1;
    return readFrom(source);
}

int Bitmap::readFromMemory(const unsigned char *bytes, std::size_t size)
{
    if (bytes == nullptr)
        return -1;
    bmp::MemorySource source(bytes, size);
    return readFrom(source);
}

int Bitmap::readFrom(bmp::ByteSource &source)
{
    unsigned char headerBytes[bmp::kHeaderBytes];
    if (!source.read(headerBytes, sizeof headerBytes))
        return -1;
    const bmp::Header header = bmp::parseHeader(headerBytes);
    bmp::Layout layout;
    if (!bmp::planLayout(header, source.size(), layout))
        return -1;

    // Everything below lies inside the file; only I/O errors can fail now,
    // and they leave the bitmap empty.
    std::unique_ptr<unsigned char[]> palette;
    const std::size_t paletteBytes = std::size_t(layout.paletteEntries) * kPaletteEntryBytes;
    bool ok = source.skip(layout.paletteStart - bmp::kHeaderBytes);
    if (ok && paletteBytes > 0) {
        palette.reset(new unsigned char[paletteBytes]);
        ok = source.read(palette.get(), paletteBytes);
    }
    ok = ok && source.skip(layout.dataStart - layout.paletteStart - paletteBytes);
    ok = ok && initUninitialised(layout.width, layout.height, 1, 1, layout.channels) == 0;
    unsigned char *pixels = getTypedData();
    for (int r = 0; ok && r < layout.height; ++r) {
        // Bottom-up files hold the picture's last row first.
        const int row = layout.topDown ? r : layout.height - 1 - r;
        ok = source.read(pixels + std::size_t(row) * layout.rowBytes, layout.rowBytes);
        if (ok && r + 1 < layout.height)
            ok = source.skip(layout.paddedRow - layout.rowBytes);
    }
    clearPalette();
    if (!ok) {
        freeData();
        resetGeometry();
        m_bitsPerPixel = 0;
        return -1;
    }
    m_bitsPerPixel = header.bitCount;
    m_palette = std::move(palette);
    m_paletteSize = layout.paletteEntries;
    // Non-positive resolutions carry no size; the spacing stays as it was.
    if (header.xResolution > 0)
        m_spacing[0] = float(layout.width) / float(header.xResolution);
    if (header.yResolution > 0)
        m_spacing[1] = float(layout.height) / float(header.yResolution);
    return 1;
}

} // namespace VOXA
