#include "Commands.h"

#include <imagebase>

#include <iostream>
#include <memory>
#include <string>

namespace {

bool endsWith(const std::string &text, const char *tail)
{
    const std::string t = tail;
    return text.size() >= t.size() && text.compare(text.size() - t.size(), t.size(), t) == 0;
}

// The library reports every header key on stdout; the tool's own output
// must not be mixed with that, so it is muted while loading.
std::unique_ptr<VOXA::Image> loadQuietly(const char *path)
{
    std::streambuf *saved = std::cout.rdbuf(nullptr);
    std::unique_ptr<VOXA::Image> image(VOXA::loadMetaImage(path));
    std::cout.rdbuf(saved);
    std::cout.clear();
    return image;
}

std::unique_ptr<VOXA::Image> loadOrComplain(const char *path)
{
    std::unique_ptr<VOXA::Image> image = loadQuietly(path);
    if (!image || image->getData() == nullptr)
        std::cerr << "imagetool: cannot read image file " << path << "\n";
    return image && image->getData() ? std::move(image) : nullptr;
}

const char *typeName(unsigned int type)
{
    switch (type) {
    case VOXA::kTypeChar: return "MET_CHAR";
    case VOXA::kTypeUnsignedChar: return "MET_UCHAR";
    case VOXA::kTypeShort: return "MET_SHORT";
    case VOXA::kTypeUnsignedShort: return "MET_USHORT";
    case VOXA::kTypeInt: return "MET_INT";
    case VOXA::kTypeUnsignedInt: return "MET_UINT";
    case VOXA::kTypeFloat: return "MET_FLOAT";
    case VOXA::kTypeDouble: return "MET_DOUBLE";
    default: return "unknown";
    }
}

int writeBmp(VOXA::Image &image, const char *path)
{
    const int channels = image.getChannels();
    if (image.getType() != VOXA::kTypeUnsignedChar || channels < 1 || channels > 4 ||
        image.getDim(2) != 1 || image.getDim(3) != 1) {
        std::cerr << "imagetool: " << path
                  << ": BMP needs one slice of unsigned 8-bit data with 1 to 4 channels\n";
        return kExitFailure;
    }
    VOXA::Bitmap bmp;
    // Shares the source buffer; `bmp` never frees it.
    bmp.create(image.getDim(0), image.getDim(1), channels,
               static_cast<unsigned char *>(image.getData()));
    bmp.setSpacing(image.getSpacing(0), image.getSpacing(1), 1.0f, 1.0f);
    if (auto *source = dynamic_cast<VOXA::Bitmap *>(&image))
        bmp.setPalette(source->getPalette(), source->getPaletteSize());
    if (bmp.write(path) != 1) {
        std::cerr << "imagetool: cannot write " << path << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

int writeMeta(VOXA::Image &image, const std::string &path)
{
    const std::string base = path.substr(0, path.size() - 4);
    if (VOXA::writeMetaImage(base.c_str(), &image) != 0) {
        std::cerr << "imagetool: cannot write " << path << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace

int infoCommand(const char *path, std::ostream &out)
{
    std::unique_ptr<VOXA::Image> image = loadOrComplain(path);
    if (!image)
        return kExitFailure;
    out << "file: " << path << "\n"
        << "size: " << image->getDim(0) << " x " << image->getDim(1) << " x "
        << image->getDim(2) << " x " << image->getDim(3) << "\n"
        << "channels: " << image->getChannels() << "\n"
        << "type: " << typeName(image->getType()) << "\n"
        << "spacing: " << image->getSpacing(0) << " x " << image->getSpacing(1) << " x "
        << image->getSpacing(2) << " x " << image->getSpacing(3) << "\n"
        << "range: " << image->getLower(0) << " .. " << image->getUpper(0) << "\n";
    if (auto *bmp = dynamic_cast<VOXA::Bitmap *>(image.get()))
        out << "bits per pixel: " << bmp->getBitsPerPixel() << "\n"
            << "palette entries: " << bmp->getPaletteSize() << "\n";
    return kExitOk;
}

int convertCommand(const char *in, const char *out)
{
    const std::string target = out;
    if (!endsWith(target, ".bmp") && !endsWith(target, ".mhd")) {
        std::cerr << "imagetool: " << out << ": output must end in .bmp or .mhd\n";
        return kExitUsage;
    }
    std::unique_ptr<VOXA::Image> image = loadOrComplain(in);
    if (!image)
        return kExitFailure;
    return endsWith(target, ".bmp") ? writeBmp(*image, out) : writeMeta(*image, target);
}
