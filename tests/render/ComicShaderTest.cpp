// Draws with the generated comic shaders (from the run directory) and
// checks what reaches the framebuffer.
#include "render/ComicStyle.h"
#include "render/GL.h"
#include "render/GLSL.h"
#include "support/GlContext.h"

#include <QImage>
#include <set>
#include <vector>

namespace {
constexpr int kCells = 8;          // checker cells along each side of the quad
constexpr float kHalfExtent = 10;  // the quad spans -10..10 in x and y
constexpr int kTexels = 64;

GLuint makeChecker()
{
    std::vector<GLubyte> texels;
    for (int y = 0; y < kTexels; ++y)
        for (int x = 0; x < kTexels; ++x) {
            const bool light = ((x * kCells / kTexels) + (y * kCells / kTexels)) % 2 == 0;
            const GLubyte value = light ? 255 : 110;
            texels.insert(texels.end(), {value, value, value});
        }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, kTexels, kTexels, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    return texture;
}

// The hero's torch as the game sets it: close above the quad's left edge.
void placeTorch()
{
    const GLfloat position[4] = {-kHalfExtent, 0, 2, 1};
    const GLfloat ambient[4] = {1, 1, 1, 1};
    const GLfloat diffuse[4] = {1, 0.64705884f, 0, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, 1.0f);
    glLightf(GL_LIGHT0, GL_LINEAR_ATTENUATION, 0.005f);
    glLightf(GL_LIGHT0, GL_QUADRATIC_ATTENUATION, 0.005f);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
}

// The whole view, facing the viewer, textured once over.
void drawQuad()
{
    const float corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}}; // texture coordinates
    glBegin(GL_QUADS);
    glNormal3f(0, 0, 1);
    for (const auto &st : corners) {
        glTexCoord2f(st[0], st[1]);
        glVertex3f((2 * st[0] - 1) * kHalfExtent, (2 * st[1] - 1) * kHalfExtent, 0);
    }
    glEnd();
}
} // namespace

class ComicShader : public GlContextTest {
protected:
    void SetUp() override
    {
        GlContextTest::SetUp();
        testing::internal::CaptureStdout();
        style.enable(); // builds
        shaderLog = testing::internal::GetCapturedStdout();
        style.setColor("red");
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_CULL_FACE);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-kHalfExtent, kHalfExtent, -kHalfExtent, kHalfExtent, -10, 10);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        placeTorch();
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    void TearDown() override
    {
        style.disable();
        glBindTexture(GL_TEXTURE_2D, 0);
        const GLfloat noGlow[4] = {0, 0, 0, 1};
        glMaterialfv(GL_FRONT, GL_EMISSION, noGlow);
    }

    ComicStyle style;
    std::string shaderLog;
};

TEST_F(ComicShader, TexturedLitQuadShowsTheTextureInAFewHardBands)
{
    ASSERT_TRUE(style.getProgram()->isLinked()) << shaderLog;
    GLint current = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(current, 0) << "the first enable only builds";
    const GLuint checker = makeChecker();
    style.enable(); // binds: the bands below show the shader drew
    glColor3f(1, 1, 1);
    drawQuad();
    style.disable();
    const QImage frame = grab();
    glDeleteTextures(1, &checker);

    std::set<QRgb> colours;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            colours.insert(frame.pixel(x, y));
    // Two texture values times at most four ramp bands; smooth lighting
    // would give hundreds of shades over this gradient of distance.
    EXPECT_GE(colours.size(), 4u);
    EXPECT_LE(colours.size(), 8u);
    EXPECT_EQ(colours.count(qRgb(0, 0, 0)), 0u);

    // Along one row the checker alternates at every cell, much more often
    // than the bands change.
    int changes = 0;
    const int y = frame.height() / 2 + frame.height() / (2 * kCells);
    for (int cell = 1; cell < kCells; ++cell) {
        const int x0 = (2 * cell - 1) * frame.width() / (2 * kCells);
        const int x1 = (2 * cell + 1) * frame.width() / (2 * kCells);
        changes += frame.pixel(x0, y) != frame.pixel(x1, y);
    }
    EXPECT_EQ(changes, kCells - 1);
}

TEST_F(ComicShader, UntexturedGeometryKeepsItsColourAndEmissionGlows)
{
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, 0); // nothing bound: must read as white
    style.enable();
    glColor3f(0.2f, 0.4f, 1.0f);
    drawQuad();
    const QRgb plain = grab().pixel(kWidth - 4, kHeight / 2);
    EXPECT_GT(qBlue(plain), qRed(plain));

    const GLfloat glow[4] = {0.5f, 0.5f, 0.5f, 1};
    glMaterialfv(GL_FRONT, GL_EMISSION, glow);
    drawQuad();
    style.disable();
    const QRgb glowing = grab().pixel(kWidth - 4, kHeight / 2);
    EXPECT_GT(qBlue(glowing), qBlue(plain));
    EXPECT_GT(qRed(glowing), qRed(plain));
}
