// The keys of a MetaImage header and what each does to the parsing state.
#include "MetaImageHeader.h"

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

template <class T>
int initAs(Image &image, const int *d, int channels)
{
    return static_cast<ImageBase<T> &>(image).initUninitialised(d[0], d[1], d[2], d[3], channels);
}

// init() for an image whose every value the caller writes: zeroing a
// buffer about to be overwritten was a third of the loading time.
int initForOverwrite(Image &image, const int *d, int channels)
{
    switch (image.getType()) {
    case kTypeChar: return initAs<char>(image, d, channels);
    case kTypeUnsignedChar: return initAs<unsigned char>(image, d, channels);
    case kTypeShort: return initAs<short>(image, d, channels);
    case kTypeUnsignedShort: return initAs<unsigned short>(image, d, channels);
    case kTypeInt: return initAs<int>(image, d, channels);
    case kTypeUnsignedInt: return initAs<unsigned int>(image, d, channels);
    case kTypeFloat: return initAs<float>(image, d, channels);
    case kTypeDouble: return initAs<double>(image, d, channels);
    default: return image.init(d[0], d[1], d[2], d[3], channels);
    }
}

// Fills every value of the image from `path`, skipping `headerSize` bytes
// (-1: the data are the last bytes of the file). What the file does not
// hold is zero: all of it for a missing file (silently), the rest for a
// short one (with a warning).
void readData(Image &image, const std::string &path, long long headerSize)
{
    const std::size_t element = typeSize(image.getType());
    const std::size_t wanted = std::size_t(image.getImageSize());
    unsigned char *bytes = static_cast<unsigned char *>(image.getData());
    struct stat info;
    std::FILE *file = nullptr;
    if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        std::memset(bytes, 0, wanted * element);
        return;
    }
    long long offset = headerSize;
    if (headerSize == -1)
        offset = std::max(0LL, (long long)info.st_size - (long long)(wanted * element));
    std::size_t got = 0;
    if (wanted > 0 && ::fseeko(file, off_t(offset), SEEK_SET) == 0)
        got = std::fread(image.getData(), element, wanted, file);
    std::fclose(file);
    if (got == wanted)
        return;
    // A partly read last value is indeterminate; it is zeroed with the rest.
    std::memset(bytes + got * element, 0, (wanted - got) * element);
    std::cout << "Warning: data file holds " << got << " of " << wanted
                  << " values, the rest is zero" << std::endl;
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
    unsigned long long bytes = typeSize(s.image->getType()) * (unsigned long long)s.channels;
    for (int d : s.dims) {
        bytes *= (unsigned long long)d;
        if (bytes > s.maxBytes) {
            std::cout << "Error while initializing!" << std::endl;
            return false;
        }
    }
    if (initForOverwrite(*s.image, s.dims, s.channels) != 0)
        return false;
    readData(*s.image, path, s.headerSize);
    if (s.msb != hostIsBigEndian())
        s.image->swapByteOrder();
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
