// The registry's texture list: every load reads the file again and appends
// a texture; a texture index is a position in that list. No GL here: the
// GL texture of an index is made when it is first drawn with
// (render/Textures.h).
#include "core/FileReport.h"
#include "core/Paths.h"
#include "sim/GameRegistry.h"

#include "imagebase"

#include <iostream>

namespace {
// The upload states three bytes per pixel (blue, green, red).
constexpr int kBytesPerPixel = 3;

// Only a 24-bit picture of at least one pixel can be handed over as it is:
// an 8-bit file holds palette indices and a 32-bit one four bytes a pixel,
// so uploading them as BGR would garble or over-read the buffer.
bool isUploadable(VOXA::Bitmap &bitmap)
{
    return bitmap.getChannels() == kBytesPerPixel && bitmap.getDim(0) > 0 && bitmap.getDim(1) > 0 &&
           bitmap.getData() != nullptr;
}
} // namespace

unsigned int GameRegistry::loadTexture(std::string fileName)
{
    if (!instance)
        return 0;
    auto *bitmap = new VOXA::Bitmap;
    instance->images.push_back(bitmap);
    const std::string path = hostPath("Texturen\\" + fileName);
    if (bitmap->read(path.c_str(), 1) != 1 || !isUploadable(*bitmap)) {
        std::cout << "Datei nicht gefunden" << std::flush;
        // Index 0 is the first texture that did load: the caller draws with
        // that one instead.
        reportUnusableFile(path, "missing or not a 24-bit BMP; another texture stands in");
        return 0;
    }
    instance->textureImages.push_back(bitmap);
    instance->textureNames.push_back(0);
    return static_cast<unsigned int>(instance->textureNames.size() - 1);
}

const VOXA::Bitmap *GameRegistry::textureImage(unsigned int index)
{
    if (!instance || index >= instance->textureImages.size())
        return nullptr;
    return instance->textureImages[index];
}

unsigned int GameRegistry::textureName(unsigned int index)
{
    if (!instance || index >= instance->textureNames.size())
        return 0;
    return instance->textureNames[index];
}

void GameRegistry::setTextureName(unsigned int index, unsigned int name)
{
    if (instance && index < instance->textureNames.size())
        instance->textureNames[index] = name;
}
