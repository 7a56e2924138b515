#include "render/Textures.h"

#include "render/GL.h"
#include "sim/GameRegistry.h"

#include "imagebase"

namespace {
// The bitmaps hold three bytes per pixel (blue, green, red).
constexpr int kBytesPerPixel = 3;

void uploadMipmaps(const VOXA::Bitmap &bitmap)
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

// Leaves the binding of GL_TEXTURE_2D and its enabling as they were.
GLuint makeTexture(const VOXA::Bitmap &bitmap)
{
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST_MIPMAP_LINEAR);
    uploadMipmaps(bitmap);
    glBindTexture(GL_TEXTURE_2D, GLuint(bound));
    return name;
}
} // namespace

unsigned int getTexture(unsigned int index)
{
    if (const unsigned int name = GameRegistry::textureName(index); name != 0 && glIsTexture(name))
        return name;
    const VOXA::Bitmap *bitmap = GameRegistry::textureImage(index);
    GLint recording = 0;
    glGetIntegerv(GL_LIST_INDEX, &recording);
    if (!bitmap || recording != 0)
        return 0;
    const GLuint name = makeTexture(*bitmap);
    GameRegistry::setTextureName(index, name);
    return name;
}

void makeTextures()
{
    for (size_t i = 0; i < GameRegistry::textureCount(); ++i)
        getTexture(unsigned(i));
}
