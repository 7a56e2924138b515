// Loading the values of a MetaImage from its raw data file.
#include "MetaImageHeader.h"

#include "ValueOps.h"
#include "voxa/ImageBase.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace VOXA {
namespace meta {

namespace {

bool hostIsBigEndian()
{
    const unsigned short one = 1;
    unsigned char first;
    std::memcpy(&first, &one, 1);
    return first == 0;
}

// Values are read in chunks of this size, each byte-swapped and scanned
// for the range while it is still in cache.
constexpr std::size_t kChunkBytes = 256 * 1024;

// Opens the data file positioned at its first value: after `headerSize`
// bytes, or `dataBytes` before the end for -1. Null when it cannot be read.
std::FILE *openData(const std::string &path, long long headerSize, unsigned long long dataBytes)
{
    struct stat info;
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return nullptr;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return nullptr;
    long long offset = headerSize;
    if (headerSize == -1)
        offset = std::max(0LL, (long long)info.st_size - (long long)dataBytes);
    if (::fseeko(file, off_t(offset), SEEK_SET) != 0) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

// Fills every value of `image` from `file` and sets every channel's range
// to the smallest and largest value. What the file does not hold is zero:
// all of it without a file (silently), the rest of a short one (with a
// warning; a partly read last value is zeroed too).
template <class T>
void fillValues(ImageBase<T> &image, std::FILE *file, bool swap)
{
    T *data = image.getTypedData();
    const std::size_t wanted = std::size_t(image.getImageSize());
    detail::RangeTracker<T> range;
    std::size_t got = 0;
    while (file != nullptr && got < wanted) {
        const std::size_t n = std::min(kChunkBytes / sizeof(T), wanted - got);
        const std::size_t read = std::fread(data + got, sizeof(T), n, file);
        if (swap)
            detail::reverseBytes(data + got, read);
        range.add(data + got, read);
        got += read;
        if (read < n)
            break;
    }
    if (got < wanted) {
        std::memset(static_cast<void *>(data + got), 0, (wanted - got) * sizeof(T));
        const T zero{};
        range.add(&zero, 1);
        if (file != nullptr)
            std::cout << "Warning: data file holds " << got << " of " << wanted
                      << " values, the rest is zero" << std::endl;
    }
    for (int c = 0; c < image.getChannels(); ++c)
        image.setRange(float(range.lowest()), float(range.highest()), c);
}

// Sizes the image without zeroing (every value is written next) and fills it.
template <class T>
int loadValues(Image &image, const HeaderState &s, std::FILE *file, bool swap)
{
    auto &typed = static_cast<ImageBase<T> &>(image);
    if (typed.initUninitialised(s.dims[0], s.dims[1], s.dims[2], s.dims[3], s.channels) != 0)
        return -1;
    fillValues(typed, file, swap);
    return 0;
}

int loadValuesOfType(Image &image, const HeaderState &s, std::FILE *file, bool swap)
{
    switch (image.getType()) {
    case kTypeChar: return loadValues<char>(image, s, file, swap);
    case kTypeUnsignedChar: return loadValues<unsigned char>(image, s, file, swap);
    case kTypeShort: return loadValues<short>(image, s, file, swap);
    case kTypeUnsignedShort: return loadValues<unsigned short>(image, s, file, swap);
    case kTypeInt: return loadValues<int>(image, s, file, swap);
    case kTypeUnsignedInt: return loadValues<unsigned int>(image, s, file, swap);
    case kTypeFloat: return loadValues<float>(image, s, file, swap);
    case kTypeDouble: return loadValues<double>(image, s, file, swap);
    default: return -1;
    }
}

} // namespace

bool loadData(HeaderState &s, const std::string &value)
{
    if (!s.image) {
        std::cout << "Error: ElementDataFile comes before ElementType!" << std::endl;
        return false;
    }
    const std::string path = s.directory + "/" + withoutSpaces(value);
    std::cout << "Loading file " << path << std::endl;
    // The header's sizes are checked against the caller's limit before
    // anything is allocated.
    // Every factor is below 2^31 and the product so far is at most 2^30
    // before each step, so 64 bits never overflow.
    unsigned long long bytes = typeSize(s.image->getType());
    for (int factor : {s.channels, s.dims[0], s.dims[1], s.dims[2], s.dims[3]}) {
        bytes *= (unsigned long long)factor;
        if (bytes > s.maxBytes) {
            std::cout << "Error while initializing!" << std::endl;
            return false;
        }
    }
    std::FILE *file = openData(path, s.headerSize, bytes);
    const int result = loadValuesOfType(*s.image, s, file, s.msb != hostIsBigEndian());
    if (file != nullptr)
        std::fclose(file);
    if (result != 0)
        return false;
    s.loaded = true;
    return true;
}

} // namespace meta
} // namespace VOXA
