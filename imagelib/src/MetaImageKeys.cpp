// The keys of a MetaImage header and what each does to the parsing state.
#include "MetaImageHeader.h"

#include <algorithm>
#include <climits>
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

} // namespace

std::string withoutSpaces(const std::string &text)
{
    std::string out;
    for (char ch : text)
        if (ch != ' ' && ch != '\t' && ch != '\r' && ch != '\n')
            out += ch;
    return out;
}

namespace {

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
