#include "render/GLSL.h"
#include "support/GlContext.h"

#include <algorithm>
#include <iostream>
#include <stdexcept>

namespace {
const char *const kVertex = R"(#version 120
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
)";

const char *const kFragment = R"(#version 120
uniform sampler1D ramp;
uniform sampler2D tex;
uniform vec4 tint;
void main()
{
    gl_FragColor = tint * texture1D(ramp, 0.5) * texture2D(tex, vec2(0.5));
}
)";

struct Built {
    GLSL::Program *program = nullptr;
    GLSL::Shader *vertex = nullptr;
    GLSL::Shader *fragment = nullptr;
    std::string output;
    ~Built()
    {
        delete program;
        delete vertex;
        delete fragment;
    }
};

void build(Built &built, const char *vertex, const char *fragment)
{
    testing::internal::CaptureStdout();
    GLSL::createProgram(&built.program, &built.vertex, &built.fragment, vertex, fragment);
    std::cout.flush();
    built.output = testing::internal::GetCapturedStdout();
}

const GLSL::Uniform *find(const GLSL::Program &program, const std::string &name)
{
    for (const GLSL::Uniform &u : program.getUniforms())
        if (u.name == name)
            return &u;
    return nullptr;
}
} // namespace

class GlslProgram : public GlContextTest {};

TEST_F(GlslProgram, UniformsAreRecordedByBareNameAndUnknownNamesAreInert)
{
    Built built;
    build(built, kVertex, kFragment);
    GLSL::Program &program = *built.program;
    ASSERT_TRUE(program.isLinked()) << built.output;
    // Arrays are recorded once, under their bare name (a kept "[0]" would
    // make setUniform1fv("weights") miss); samplers are no uniforms.
    EXPECT_EQ(std::count_if(program.getUniforms().begin(), program.getUniforms().end(),
                            [](const GLSL::Uniform &u) { return u.name == "weights"; }),
              1);
    EXPECT_EQ(find(program, "weights")->count, 4);
    EXPECT_EQ(find(program, "ramp"), nullptr);
    for (const GLSL::Uniform &u : program.getUniforms())
        EXPECT_NE(u.name.rfind("gl_", 0), 0u) << u.name;
    EXPECT_EQ(built.output.find("Unknown Uniform Type"), std::string::npos);
    program.bind();

    // Row-major in, transposed by the GL: element (row 0, column 1) = 2.
    const float rowMajor[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    program.setUniformMatrix3("turn", rowMajor);
    float columnMajor[9] = {};
    program.getUniformf("turn", columnMajor);
    EXPECT_EQ(columnMajor[3], 2.0f);

    float untouched[4] = {9, 9, 9, 9};
    program.setUniform1f("nonexistent", 1.0f);
    program.setUniform4f("ramp", untouched); // a sampler is not a settable uniform
    program.getUniformf("nonexistent", untouched);
    EXPECT_EQ(untouched[0], 9.0f);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    GLSL::Program::unbind();

    // Locations: recorded ones, and the GL's for names not recorded as such
    // (samplers: ComicStyleTest looks its units up by name).
    EXPECT_EQ(program.getUniformLocation("weights[2]"), program.getRawUniformLocation("weights[2]"));
    EXPECT_THROW(program.getUniformLocation("nothing"), std::logic_error);
}
