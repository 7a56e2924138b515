// Loading and saving MetaImage header/raw pairs (and BMP files through the
// same entry point).
#include "voxa/MetaImage.h"

#include "MetaImageHeader.h"
#include "voxa/Bitmap.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <locale>
#include <sstream>

namespace VOXA {

namespace {

bool endsWith(const std::string &text, const std::string &tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

Image *loadBitmap(const char *path)
{
    auto *bmp = new Bitmap();
    if (bmp->read(path, 0) != 1) {
        delete bmp;
        return nullptr;
    }
    bmp->computeRange();
    return bmp;
}

std::string directoryOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string fileNameOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Reads "key = value" lines until the end; false when a key refuses.
bool readHeader(std::istream &in, meta::HeaderState &state)
{
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t equals = line.find('=');
        const std::string key = line.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : line.substr(equals + 1);
        if (!meta::applyKey(state, key, value))
            return false;
    }
    return true;
}

// The header lines' "%f"-style numbers, independent of the process locale.
std::string joined(int n, const int *ints, const float *floats)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::fixed << std::setprecision(6);
    for (int i = 0; i < n; ++i) {
        if (i > 0)
            out << ' ';
        if (ints)
            out << ints[i];
        else if (floats)
            out << floats[i];
        else
            out << 0;
    }
    return out.str();
}

} // namespace

Image *loadMetaImage(const char *path)
{
    return loadMetaImage(path, kMaxImageBytes);
}

Image *loadMetaImage(const char *path, std::size_t maxBytes)
{
    if (path == nullptr)
        return nullptr;
    if (endsWith(path, ".bmp"))
        return loadBitmap(path);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return nullptr;
    meta::HeaderState state;
    state.directory = directoryOf(path);
    state.maxBytes = std::min(maxBytes, kMaxImageBytes);
    if (!readHeader(in, state))
        return nullptr;
    if (!state.image || !state.loaded) {
        std::cout << "Error: MetaImage header names no data file!" << std::endl;
        return nullptr;
    }
    Image *image = state.image.release();
    // The range was found while the values were read.
    image->setSpacing(state.spacing[0], state.spacing[1], state.spacing[2], state.spacing[3]);
    std::cout << "Loaded Image, resolution " << image->getDim(0) << " x " << image->getDim(1)
              << " x " << image->getDim(2) << ", min " << image->getLower(0)
              << ", max = " << image->getUpper(0) << std::endl;
    return image;
}

int writeMetaImage(const char *baseName, Image *image)
{
    if (baseName == nullptr || image == nullptr || image->getData() == nullptr)
        return 1;
    const char *type = meta::typeName(image->getType());
    if (type == nullptr)
        return 1;
    const std::string base = baseName;
    int dims[4], n = 4;
    for (int i = 0; i < 4; ++i)
        dims[i] = image->getDim(i);
    float spacing[4];
    for (int i = 0; i < 4; ++i)
        spacing[i] = image->getSpacing(i);
    if (dims[3] == 1)
        n = dims[2] == 1 ? 2 : 3;

    std::ofstream header(base + ".mhd", std::ios::binary);
    if (!header)
        return 1;
    header << "NDims = " << n << "\n";
    header << "DimSize = " << joined(n, dims, nullptr) << "\n";
    header << "ElementSpacing = " << joined(n, nullptr, spacing) << "\n";
    header << "Position = " << joined(n, nullptr, nullptr) << "\n";
    header << "ElementByteOrderMSB = False\n";
    if (image->getChannels() > 1)
        header << "ElementNumberOfChannels = " << image->getChannels() << "\n";
    header << "ElementType = MET_" << type << "\n";
    // The reader resolves the data file against the header's directory.
    header << "ElementDataFile = " << fileNameOf(base) << ".raw\n";
    header.close();
    if (!header)
        return 1;
    return image->writeRaw((base + ".raw").c_str());
}

} // namespace VOXA
