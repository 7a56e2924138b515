#pragma once
// VOXA::Bitmap: a two-dimensional byte image read from and written to
// uncompressed Windows BMP files (8-bit with palette, 16, 24, 32 bits).
//
// After reading, row 0 is the top row of the picture, rows are unpadded,
// and channels keep the file's order (blue, green, red, [fourth byte]). An
// 8-bit file keeps its palette indices; the palette is stored beside them.
#include "voxa/ImageBase.h"

#include <cstddef>
#include <memory>

namespace VOXA {

namespace bmp {
class ByteSource;
}

class Bitmap : public ImageBase<unsigned char> {
public:
    // Palette entries are 4 bytes: blue, green, red, reserved.
    static constexpr unsigned int kPaletteEntryBytes = 4;
    static constexpr unsigned int kMaxPaletteEntries = 256;

    Bitmap();
    ~Bitmap() override;

    // 1 on success, -1 on any failure (missing file, not a BMP, unsupported
    // depth, sizes <= 0 or beyond kMaxImageBytes, data or palette cut
    // short). A file refused from its header leaves the bitmap as it was;
    // otherwise a failure leaves it empty. `flag` has no effect.
    int read(const char *fileName, int flag = 1);
    // The same from a complete file image in memory.
    int readFromMemory(const unsigned char *bytes, std::size_t size);
    // Writes the first slice bottom row first with 8 x channels bits per
    // pixel (1 to 4 channels); 8-bit files get 256 palette entries (the held
    // palette padded with zeros, or a grey ramp). 1 on success, else -1.
    int write(const char *fileName) const;
    // width x height x 1 x 1 with `channels`, zeroed; with `data` the image
    // uses that buffer instead and never frees it. 1 on success, -1 when the
    // sizes are refused (see init()).
    int create(int width, int height, int channels, unsigned char *data = nullptr);

    unsigned int getBitsPerPixel() const { return m_bitsPerPixel; }
    unsigned int getPaletteSize() const { return m_paletteSize; }
    const unsigned char *getPalette() const { return m_palette.get(); }
    // Copies `count` (at most kMaxPaletteEntries) entries; false otherwise.
    bool setPalette(const unsigned char *entries, unsigned int count);

private:
    int readFrom(bmp::ByteSource &source);
    void clearPalette();

    unsigned int m_bitsPerPixel;
    unsigned int m_paletteSize;
    std::unique_ptr<unsigned char[]> m_palette;
};

} // namespace VOXA
