#include "app/WarningBox.h"
#include "render/ColorRamp.h"
#include "render/ComicStyle.h"
#include "render/GL.h"
#include "render/GLSL.h"
#include "support/GlContext.h"
#include "support/Files.h"

#include <algorithm>
#include <array>
#include <filesystem>
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

// The program wrapper as the game uses it: built by ComicStyle, which sets
// the sampler units itself, and recording the other uniforms by name.
TEST_F(ComicStyleTest, SamplerUnitsDoNotDependOnTheOrderTheGlReportsThemAndUniformsGoByName)
{
    dir.write("comic.vs", R"(#version 120
uniform float weights[4];
uniform mat3 turn;
uniform ivec3 cells;
uniform bool flag;
void main()
{
    vec3 p = turn * gl_Vertex.xyz * (weights[0] + weights[3]);
    if (flag)
        p += vec3(cells);
    gl_Position = gl_ModelViewProjectionMatrix * vec4(p, 1.0);
}
)");
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

    GLint unit = -1;
    glGetUniformiv(program.getHandle(), program.getUniformLocation("tex"), &unit);
    EXPECT_EQ(unit, ComicStyle::kTextureUnit);
    glGetUniformiv(program.getHandle(), program.getUniformLocation("ramp"), &unit);
    EXPECT_EQ(unit, ComicStyle::kRampUnit);

    // Every type recorded; an array once, under its bare name (a kept "[0]"
    // would make setUniform1fv("weights") miss); no samplers, no built-ins.
    std::vector<std::string> names;
    for (const GLSL::Uniform &u : program.getUniforms())
        names.push_back(u.name);
    std::sort(names.begin(), names.end());
    ASSERT_EQ(names, (std::vector<std::string>{"cells", "flag", "turn", "weights"})) << log;
    const auto weights = std::find_if(program.getUniforms().begin(), program.getUniforms().end(),
                                      [](const GLSL::Uniform &u) { return u.name == "weights"; });
    EXPECT_EQ(weights->count, 4);

    // Row-major in, transposed by the GL: element (row 0, column 1) = 2.
    program.bind();
    const float rowMajor[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    program.setUniformMatrix3("turn", rowMajor);
    float columnMajor[9] = {};
    program.getUniformf("turn", columnMajor);
    EXPECT_EQ(columnMajor[3], 2.0f);

    // Unknown names and samplers are inert to the setters; an unknown name
    // has no location, an array element the GL's.
    float untouched[4] = {9, 9, 9, 9};
    program.setUniform1f("nonexistent", 1.0f);
    program.setUniform4f("ramp", untouched);
    program.getUniformf("nonexistent", untouched);
    EXPECT_EQ(untouched[0], 9.0f);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    GLSL::Program::unbind();
    EXPECT_EQ(program.getUniformLocation("weights[2]"), program.getRawUniformLocation("weights[2]"));
    EXPECT_THROW(program.getUniformLocation("nothing"), std::logic_error);
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
