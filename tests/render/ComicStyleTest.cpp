// ComicStyle: its ramps and its program built from files in a scratch
// directory; then the generated comic shaders (from the run directory)
// drawing, checked by what reaches the framebuffer.
#include "core/WarningBox.h"
#include "render/ColorRamp.h"
#include "render/ComicStyle.h"
#include "render/GL.h"
#include "render/GLSL.h"
#include "support/Files.h"
#include "support/GlContext.h"

#include <QImage>
#include <array>
#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {
const char *const kRamp = "0 0 0\n0.5 0 0\n0.8 0.1 0.1\n1 0.3 0.3\n";

struct Warning {
    std::string caption, text;
};

// Records warning boxes instead of showing them; afterwards warnings go to
// standard error, as everywhere in the tests.
class WarningRecorder {
public:
    WarningRecorder()
    {
        setWarningBoxHook([this](const std::string &caption, const std::string &text) {
            warnings.push_back({caption, text});
        });
    }
    ~WarningRecorder() { sendWarningsToStandardError(); }
    std::vector<Warning> warnings;
};

std::array<float, 12> rampTexels(GLuint texture)
{
    std::array<float, 12> texels{};
    glBindTexture(GL_TEXTURE_1D, texture);
    glGetTexImage(GL_TEXTURE_1D, 0, GL_RGB, GL_FLOAT, texels.data());
    return texels;
}

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

class ComicStyleTest : public GlContextTest {
protected:
    TempDir dir;
};

TEST_F(ComicStyleTest, ARampIsReadOnceAndBoundOnItsOwnUnitAMissingOrCorruptOneWarnsOnce)
{
    struct Row {
        const char *color;
        const char *content; // null: no file
        const char *warning; // null: none (the line on standard error: script_damaged_files)
        ColorRamp::Texels texels;
    };
    const Row rows[] = {
        {"green", kRamp, nullptr, {0, 0, 0, 0.5f, 0, 0, 0.8f, 0.1f, 0.1f, 1, 0.3f, 0.3f}},
        {"red", nullptr, "Could not find the texture file for color:red", ColorRamp::kBuiltIn},
        {"blue", "0 0 0 0.5 0 0 0.8 0.1 0.1 1 0.3\n", "Texture file corrupt for color:blue", ColorRamp::kBuiltIn},
    };
    std::filesystem::create_directories(dir.dir() + "/tex");
    ScopedWorkingDirectory cwd(dir.dir());
    for (const Row &row : rows) {
        SCOPED_TRACE(row.color);
        const std::string file = std::string("tex/") + row.color + ".txt";
        if (row.content)
            dir.write(file, row.content);
        WarningRecorder recorder;
        ComicStyle style;
        glActiveTexture(GL_TEXTURE0);
        style.setColor(row.color);
        std::filesystem::remove(file); // later calls must not need it
        for (int i = 0; i < 99; ++i)
            style.setColor(row.color);

        // A second read would have warned (again).
        ASSERT_EQ(recorder.warnings.size(), row.warning ? 1u : 0u);
        if (row.warning) {
            EXPECT_EQ(recorder.warnings[0].caption, "An Error occured");
            EXPECT_EQ(recorder.warnings[0].text, row.warning);
        }
        const GLuint texture = style.rampTexture(row.color);
        // The game binds its 2D textures on whatever unit is active: unit 0.
        GLint active = 0, bound = 0;
        glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
        EXPECT_EQ(active, GL_TEXTURE0);
        glActiveTexture(GL_TEXTURE0 + ComicStyle::kRampUnit);
        glGetIntegerv(GL_TEXTURE_BINDING_1D, &bound);
        glActiveTexture(GL_TEXTURE0);
        EXPECT_EQ(bound, GLint(texture));

        // Four texels (not blended: ComicShader.TexturedLit...'s few bands).
        const std::array<float, 12> texels = rampTexels(texture);
        for (size_t i = 0; i < texels.size(); ++i)
            EXPECT_NEAR(texels[i], row.texels[i], 1.0f / 255) << i;
    }
}

// The program wrapper as the game builds it, with the sampler units set by
// ComicStyle; the other uniforms are there for shaders that need them.
TEST_F(ComicStyleTest, SamplerUnitsDoNotDependOnTheOrderTheGlReportsThemAndUniformsGoByName)
{
    dir.write("comic.vs", "#version 120\nuniform float weights[4];\nuniform mat3 turn;\n"
                          "void main() { gl_Position = ftransform() * weights[3] * turn[0][1]; }\n");
    // Declared ramp first: linking alone would put the ramp on unit 0,
    // where the game's 2D textures are bound.
    dir.write("comic.fs", "#version 120\nuniform sampler1D ramp;\nuniform sampler2D tex;\n"
                          "void main() { gl_FragColor = texture1D(ramp, 0.5) * texture2D(tex, vec2(0.5)); }\n");
    ScopedWorkingDirectory cwd(dir.dir());
    ComicStyle style;
    testing::internal::CaptureStdout();
    style.enable();
    const std::string log = testing::internal::GetCapturedStdout();
    GLSL::Program &program = *style.getProgram();
    ASSERT_TRUE(program.isLinked()) << log;
    const std::pair<const char *, int> units[] = {{"tex", ComicStyle::kTextureUnit}, {"ramp", ComicStyle::kRampUnit}};
    for (const auto &[sampler, expected] : units) {
        GLint unit = -1;
        glGetUniformiv(program.getHandle(), program.getUniformLocation(sampler), &unit);
        EXPECT_EQ(unit, expected) << sampler;
    }
    // An array once, under its bare name with its length (a kept "[0]" would
    // make setUniform1fv("weights") miss); a matrix goes in row-major; an
    // unknown name is inert to the setters and has no location.
    std::set<std::string> names;
    for (const GLSL::Uniform &u : program.getUniforms())
        names.insert(u.name + "/" + std::to_string(u.count));
    EXPECT_EQ(names, (std::set<std::string>{"turn/1", "weights/4"})) << log;
    program.bind();
    const float rowMajor[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    program.setUniformMatrix3("turn", rowMajor);
    program.setUniform1f("nonexistent", 1.0f);
    float columnMajor[9] = {};
    program.getUniformf("turn", columnMajor);
    EXPECT_EQ(columnMajor[3], 2.0f);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    GLSL::Program::unbind();
    EXPECT_THROW(program.getUniformLocation("nothing"), std::logic_error);
}

TEST_F(ComicStyleTest, AShaderThatDoesNotBuildLeavesTheFixedPipelineDrawing)
{
    // Each file compiles; the two do not link, since the fragment stage
    // reads what the vertex stage never writes. Missing, empty and random
    // shader files, and one text in both files, take the same path in
    // enable(); script_damaged_files plays each and requires the file to be
    // named on standard error.
    dir.write("comic.vs", "#version 120\nvoid main() { gl_Position = ftransform(); }\n");
    dir.write("comic.fs", "#version 120\nvarying vec4 unwritten;\nvoid main() { gl_FragColor = unwritten; }\n");
    ScopedWorkingDirectory cwd(dir.dir());
    ComicStyle style;
    testing::internal::CaptureStdout(); // the GL's link log
    style.enable();
    style.enable();
    const std::string log = testing::internal::GetCapturedStdout();

    EXPECT_NE(log.find("failed to link"), std::string::npos) << log;
    EXPECT_FALSE(style.getProgram()->isLinked());
    GLint current = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(current, 0);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    style.disable();
}

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
