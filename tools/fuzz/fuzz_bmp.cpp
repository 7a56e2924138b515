// Fuzzes the BMP reader from memory and from a file, and checks that both
// agree and that an accepted picture is self-consistent.
#include "FuzzSupport.h"

#include <imagebase>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkConsistent(const VOXA::Bitmap &bmp)
{
    const int width = bmp.getDim(0), height = bmp.getDim(1), channels = bmp.getChannels();
    check(width > 0 && height > 0 && channels >= 1 && channels <= 4);
    check(bmp.getImageSize() == width * height * channels);
    check(bmp.getBitsPerPixel() == unsigned(8 * channels));
    check((bmp.getPaletteSize() > 0) == (channels == 1) && bmp.getPaletteSize() <= 256);
    // Touch every byte so that ASan sees any short buffer.
    unsigned sum = 0;
    for (int i = 0; i < bmp.getImageSize(); ++i)
        sum += bmp.getTypedData()[i];
    for (unsigned i = 0; i < bmp.getPaletteSize() * 4; ++i)
        sum += bmp.getPalette()[i];
    (void)sum;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    VOXA::Bitmap fromMemory;
    const int memoryResult = fromMemory.readFromMemory(data, size);

    const std::string path = fuzz::scratchDir() + "/input.bmp";
    if (!fuzz::writeBytes(path, data, size))
        return 0;
    VOXA::Bitmap fromFile;
    const int fileResult = fromFile.read(path.c_str(), 1);
    check(memoryResult == fileResult);
    if (memoryResult != 1) {
        check(fromMemory.getTypedData() == nullptr && fromMemory.getImageSize() == 0);
        return 0;
    }
    checkConsistent(fromMemory);
    check(fromFile.getImageSize() == fromMemory.getImageSize());
    check(std::memcmp(fromFile.getTypedData(), fromMemory.getTypedData(),
                      std::size_t(fromMemory.getImageSize())) == 0);

    // What was read must write and read back unchanged.
    const std::string out = fuzz::scratchDir() + "/output.bmp";
    check(fromMemory.write(out.c_str()) == 1);
    VOXA::Bitmap again;
    check(again.read(out.c_str(), 1) == 1);
    check(again.getImageSize() == fromMemory.getImageSize());
    check(std::memcmp(again.getTypedData(), fromMemory.getTypedData(),
                      std::size_t(fromMemory.getImageSize())) == 0);
    return 0;
}
