// The keys of a MetaImage header and what each does to the parsing state.
#include "MetaImageHeader.h"

#include "ValueOps.h"
#include "voxa/ImageBase.h"

#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <locale>
#include <sstream>

namespace VOXA {
namespace meta {

namespace {

struct TypeEntry {
    const char *name;
    unsigned int code;
};

const TypeEntry kTypes[] = {
    {"UCHAR", kTypeUnsignedChar}, {"CHAR", kTypeChar},   {"USHORT", kTypeUnsignedShort},
    {"SHORT", kTypeShort},        {"UINT", kTypeUnsignedInt}, {"INT", kTypeInt},
    {"FLOAT", kTypeFloat},        {"DOUBLE", kTypeDouble},
};

std::string withoutSpaces(const std::string &text)
{
    std::string out;
    for (char ch : text)
        if (ch != ' ' && ch != '\t' && ch != '\r' && ch != '\n')
            out += ch;
    return out;
}

// Numbers are always written with a '.' whatever the process locale.
std::istringstream numbers(const std::string &value)
{
    std::istringstream in(value);
    in.imbue(std::locale::classic());
    return in;
}

bool invalid(const char *key)
{
    std::cout << "Error: Invalid value for " << key << "!" << std::endl;
    return false;
}

// Reads `count` whole numbers in [lowest, INT_MAX].
bool readInts(const std::string &value, int count, int *out, long long lowest)
{
    std::istringstream in = numbers(value);
    for (int i = 0; i < count; ++i) {
        long long v = 0;
        if (!(in >> v) || v < lowest || v > INT_MAX)
            return false;
        out[i] = int(v);
    }
    return true;
}

bool readFloats(const std::string &value, int count, float *out)
{
    std::istringstream in = numbers(value);
    for (int i = 0; i < count; ++i)
        if (!(in >> out[i]))
            return false;
    return true;
}

template <class V>
void printJoined(const char *title, const V *values)
{
    std::cout << title << values[0] << " x " << values[1] << " x " << values[2] << " x "
              << values[3] << std::endl;
}

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

bool createImage(HeaderState &s, const std::string &value)
{
    const std::string name = withoutSpaces(value);
    for (const TypeEntry &t : kTypes)
        if (name == std::string("MET_") + t.name) {
            s.image.reset(VOXA::createImage(t.code));
            s.loaded = false; // a new, empty image: it needs its own data file
            std::cout << "Data Type " << s.image->getType() << std::endl;
            return true;
        }
    std::cout << "Error: Unknown MetaImage data type!" << std::endl;
    return false;
}

} // namespace

const char *typeName(unsigned int typeCode)
{
    for (const TypeEntry &t : kTypes)
        if (t.code == typeCode)
            return t.name;
    return nullptr;
}

bool applyKey(HeaderState &s, const std::string &rawKey, const std::string &value)
{
    const std::string key = withoutSpaces(rawKey);
    if (key.empty())
        return true;
    if (key == "NDims") {
        if (!readInts(value, 1, &s.nDims, 1) || s.nDims > kMaxDims)
            return invalid("NDims");
        std::cout << s.nDims << " dimensions" << std::endl;
    } else if (key == "DimSize") {
        if (!readInts(value, s.nDims, s.dims, 1))
            return invalid("DimSize");
        printJoined("Dimensions ", s.dims);
    } else if (key == "ElementSpacing") {
        if (!readFloats(value, s.nDims, s.spacing))
            return invalid("ElementSpacing");
        printJoined("Spacing ", s.spacing);
    } else if (key == "Position") {
        if (!readFloats(value, s.nDims, s.position))
            return invalid("Position");
        printJoined("Position ", s.position);
    } else if (key == "ElementByteOrderMSB") {
        const std::string flag = withoutSpaces(value);
        s.msb = flag == "True" || flag == "1";
        std::cout << "MSB: " << s.msb << std::endl;
    } else if (key == "ElementNumberOfChannels") {
        if (!readInts(value, 1, &s.channels, 1))
            return invalid("ElementNumberOfChannels");
        std::cout << s.channels << " channels" << std::endl;
    } else if (key == "ElementType") {
        return createImage(s, value);
    } else if (key == "HeaderSize") {
        std::istringstream in = numbers(value);
        if (!(in >> s.headerSize) || s.headerSize < -1)
            return invalid("HeaderSize");
        if (s.headerSize != 0 && s.headerSize != -1)
            std::cout << "Warning: " << s.headerSize << " bytes header" << std::endl;
    } else if (key == "ElementDataFile") {
        return loadData(s, value);
    } else {
        std::cout << "Warning: Unknown keyword \"" << key << "\"" << std::endl;
    }
    return true;
}

} // namespace meta
} // namespace VOXA
