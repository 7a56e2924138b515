#include "render/GL.h"
#include "render/Textures.h"
#include "sim/GameRegistry.h"
#include "support/Files.h"
#include "support/GlContext.h"

#include "imagebase"

#include <iostream>
#include <vector>

namespace {
// Loads through the registry and returns what it printed.
unsigned int load(const std::string &name, std::string &printed)
{
    testing::internal::CaptureStdout();
    const unsigned int index = GameRegistry::loadTexture(name);
    std::cout.flush();
    printed = testing::internal::GetCapturedStdout();
    return index;
}

// Writes Texturen/NAME below `dir` as a bitmap of the given channel count.
void writeBitmap(const TempDir &dir, const std::string &name, int width, int height, int channels,
                 std::vector<unsigned char> data)
{
    std::filesystem::create_directories(dir.path("Texturen"));
    VOXA::Bitmap bitmap;
    ASSERT_EQ(bitmap.create(width, height, channels, data.data()), 1);
    ASSERT_EQ(bitmap.write(dir.path("Texturen/" + name).c_str()), 1);
}
} // namespace

class TextureManager : public GlContextTest {
protected:
    GameRegistry registry; // the instance for the test's duration
};

TEST_F(TextureManager, UnusableFilesTakeNoIndexAndTheSameFileTwiceMakesTwoTextures)
{
    TempDir dir;
    writeBitmap(dir, "grey.bmp", 16, 16, 1, std::vector<unsigned char>(16 * 16, 200));
    writeBitmap(dir, "alpha.bmp", 16, 16, 4, std::vector<unsigned char>(16 * 16 * 4, 200));
    writeBitmap(dir, "plain.bmp", 16, 16, 3, std::vector<unsigned char>(16 * 16 * 3, 200));
    ScopedWorkingDirectory cwd(dir.dir());
    std::string printed;
    // Missing, and bitmaps that are not three bytes a pixel.
    for (const char *name : {"no-such-file.bmp", "grey.bmp", "alpha.bmp"}) {
        EXPECT_EQ(load(name, printed), 0u) << name;
        EXPECT_EQ(printed, "Datei nicht gefunden") << name;
    }

    EXPECT_EQ(load("plain.bmp", printed), 0u); // the failed loads took no index
    EXPECT_EQ(load("plain.bmp", printed), 1u);
    EXPECT_EQ(printed, "");
    const GLuint a = getTexture(0), b = getTexture(1);
    EXPECT_NE(a, b);
    EXPECT_TRUE(glIsTexture(a));
    EXPECT_TRUE(glIsTexture(b));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(getTexture(7), 0u); // never returned
}

TEST_F(TextureManager, OddSizedBitmapIsUploadedUnskewed)
{
    // 50 x 30: rows of 150 bytes, not a multiple of four. Blue on the left,
    // red on the right, and the top rows white.
    constexpr int kW = 50, kH = 30;
    auto full = [](bool on) -> unsigned char { return on ? 255 : 0; };
    std::vector<unsigned char> bgr;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const bool top = y < 3, left = x < kW / 2;
            bgr.insert(bgr.end(), {full(top || left), full(top), full(top || !left)});
        }
    TempDir dir;
    writeBitmap(dir, "odd.bmp", kW, kH, 3, bgr);
    ScopedWorkingDirectory cwd(dir.dir());

    std::string printed;
    const unsigned int index = load("odd.bmp", printed);
    ASSERT_EQ(GameRegistry::textureCount(), 1u) << printed;
    glBindTexture(GL_TEXTURE_2D, getTexture(index));
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);

    std::vector<unsigned char> texels(size_t(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    auto texel = [&](int x, int y) {
        const unsigned char *p = &texels[(size_t(y) * width + x) * 3];
        return std::vector<int>{p[0], p[1], p[2]};
    };
    EXPECT_EQ(texel(0, 0), (std::vector<int>{255, 255, 255})); // the picture's top row comes first
    EXPECT_EQ(texel(0, height - 1), (std::vector<int>{0, 0, 255}));
    EXPECT_EQ(texel(width - 1, height - 1), (std::vector<int>{255, 0, 0}));
}
