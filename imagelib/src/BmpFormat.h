#pragma once
// The BMP file layout shared by Bitmap's reader and writer: the 14-byte
// file header and 40-byte information header, little-endian.
#include <cstddef>
#include <cstdint>

namespace VOXA {
namespace bmp {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::size_t kHeaderBytes = kFileHeaderBytes + kInfoHeaderBytes;
constexpr std::uint16_t kMagic = 0x4D42; // "BM"

// Byte offsets of the fields.
enum Offset : std::size_t {
    kType = 0,
    kFileSize = 2,
    kReserved1 = 6,
    kReserved2 = 8,
    kDataOffset = 10,
    kInfoSize = 14,
    kWidth = 18,
    kHeight = 22,
    kPlanes = 26,
    kBitCount = 28,
    kCompression = 30,
    kImageSize = 34,
    kXResolution = 38,
    kYResolution = 42,
    kColoursUsed = 46,
    kColoursImportant = 50,
};

struct Header {
    std::uint16_t type = 0;
    std::uint32_t dataOffset = 0;
    std::uint32_t infoSize = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitCount = 0;
    std::int32_t xResolution = 0; // pixels per metre
    std::int32_t yResolution = 0;
    std::uint32_t coloursUsed = 0;
};

// Where everything lies in a file, all validated against its size.
struct Layout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int channels = 0;
    std::size_t rowBytes = 0;    // width x channels
    std::size_t paddedRow = 0;   // rowBytes rounded up to 4 bytes
    std::uint64_t paletteStart = 0;
    unsigned int paletteEntries = 0;
    std::uint64_t dataStart = 0;
};

Header parseHeader(const unsigned char *bytes);
// False when the header describes nothing this reader accepts or the file
// (fileSize bytes) ends before the palette or the last pixel.
bool planLayout(const Header &header, std::uint64_t fileSize, Layout &layout);
// Bytes of a stored row of `width` pixels at `bitCount`, padded to 32 bits.
std::uint64_t paddedRowBytes(unsigned int bitCount, std::int64_t width);

void putU16(unsigned char *at, std::uint16_t v);
void putU32(unsigned char *at, std::uint32_t v);

// Sequential input for the reader: a file or a block of memory.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Both false when fewer bytes remain.
    virtual bool read(void *dest, std::size_t n) = 0;
    virtual bool skip(std::uint64_t n) = 0;
};

} // namespace bmp
} // namespace VOXA
