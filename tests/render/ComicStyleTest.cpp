#include "app/WarningBox.h"
#include "render/ColorRamp.h"
#include "render/ComicStyle.h"
#include "render/GL.h"
#include "render/GLSL.h"
#include "support/GlContext.h"
#include "support/Files.h"

#include <array>
#include <filesystem>
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

GLint binding(GLenum unit, GLenum query)
{
    GLint active = 0, value = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    glActiveTexture(unit);
    glGetIntegerv(query, &value);
    glActiveTexture(GLenum(active));
    return value;
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
        glBindTexture(GL_TEXTURE_1D, 0);
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
        EXPECT_EQ(binding(GL_TEXTURE0 + ComicStyle::kRampUnit, GL_TEXTURE_BINDING_1D), GLint(texture));
        EXPECT_EQ(binding(GL_TEXTURE0, GL_TEXTURE_BINDING_1D), 0);
        GLint active = 0;
        glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
        EXPECT_EQ(active, GL_TEXTURE0);

        // Four texels, sampled without blending.
        const std::array<float, 12> texels = rampTexels(texture);
        for (size_t i = 0; i < texels.size(); ++i)
            EXPECT_NEAR(texels[i], row.texels[i], 1.0f / 255) << i;
        GLint filter = 0;
        glGetTexParameteriv(GL_TEXTURE_1D, GL_TEXTURE_MIN_FILTER, &filter);
        EXPECT_EQ(filter, GL_NEAREST);
    }
}

// The game's shaders have two samplers and no other uniform; ComicStyle
// sets their units itself.
TEST_F(ComicStyleTest, SamplerUnitsDoNotDependOnTheOrderTheGlReportsThem)
{
    dir.write("comic.vs", "#version 120\nvoid main() { gl_Position = ftransform(); }\n");
    // Declared ramp first: linking alone would put the ramp on unit 0,
    // where the game's 2D textures are bound.
    dir.write("comic.fs", "#version 120\nuniform sampler1D ramp;\nuniform sampler2D tex;\n"
                          "void main() { gl_FragColor = texture1D(ramp, 0.5) * texture2D(tex, vec2(0.5)); }\n");
    ScopedWorkingDirectory cwd(dir.dir());
    ComicStyle style;
    testing::internal::CaptureStdout();
    style.enable();
    const std::string log = testing::internal::GetCapturedStdout();
    const GLSL::Program &program = *style.getProgram();
    ASSERT_TRUE(program.isLinked()) << log;
    const std::pair<const char *, int> units[] = {{"tex", ComicStyle::kTextureUnit}, {"ramp", ComicStyle::kRampUnit}};
    for (const auto &[sampler, expected] : units) {
        GLint unit = -1;
        glGetUniformiv(program.getHandle(), program.getUniformLocation(sampler), &unit);
        EXPECT_EQ(unit, expected) << sampler;
    }
}

TEST_F(ComicStyleTest, AShaderThatDoesNotBuildLeavesTheFixedPipelineDrawing)
{
    // Both files hold a vertex shader: each compiles, the two do not link.
    // (Swapping the two files instead trips a use-after-free inside Mesa
    // 22.3's linker now and then; see scripts/asan.supp.) Missing, empty and
    // random shader files take the same path in enable(); script_damaged_files
    // plays each and requires the file to be named on standard error.
    const char *vertex = "#version 120\nvoid main() { gl_Position = ftransform(); }\n";
    dir.write("comic.vs", vertex);
    dir.write("comic.fs", vertex);
    ScopedWorkingDirectory cwd(dir.dir());
    ComicStyle style;
    testing::internal::CaptureStdout(); // the GL's link log
    style.enable();
    style.enable();
    testing::internal::GetCapturedStdout();

    EXPECT_FALSE(style.getProgram()->isLinked());
    GLint current = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(current, 0);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    style.disable();
}
