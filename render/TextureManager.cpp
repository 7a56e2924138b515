// The texture manager: every load reads the file again and creates a new GL
// texture; a texture index is a position in the registry's texture list.
#include "core/FileReport.h"
#include "app/GameRegistry.h"
#include "core/Paths.h"
#include "render/GL.h"

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

void uploadMipmaps(VOXA::Bitmap &bitmap)
{
    // The bitmap's rows are packed without padding; the GL's default unpack
    // alignment of 4 would read them skewed (and past the buffer's end)
    // whenever width * 3 is not a multiple of 4.
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, kBytesPerPixel, bitmap.getDim(0), bitmap.getDim(1), GL_BGR_EXT,
                      GL_UNSIGNED_BYTE, bitmap.getData());
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
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

    std::vector<unsigned int> &textures = instance->textures;
    textures.push_back(0);
    glEnable(GL_TEXTURE_2D);
    glGenTextures(1, &textures.back());
    glBindTexture(GL_TEXTURE_2D, textures.back());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST_MIPMAP_LINEAR);
    uploadMipmaps(*bitmap);
    glDisable(GL_TEXTURE_2D);
    return static_cast<unsigned int>(textures.size() - 1);
}

unsigned int GameRegistry::getTexture(unsigned int index)
{
    if (!instance || index >= instance->textures.size())
        return 0;
    return instance->textures[index];
}
