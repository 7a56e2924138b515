#include "render/GLSLProgram.h"

#include "render/GLSLShader.h"

#include <cstdlib>
#include <iostream>
#include <stdexcept>

namespace GLSL {

namespace {
// GL_SAMPLER_1D .. GL_SAMPLER_2D_RECT_SHADOW_ARB: the sampler types of
// GLSL 1.10/1.20 and the rectangle extension.
constexpr GLenum kFirstSamplerType = 0x8B5D;
constexpr GLenum kLastSamplerType = 0x8B64;
// GL_FLOAT_VEC2 .. GL_FLOAT_MAT4: float, int and bool vectors and the
// square float matrices.
constexpr GLenum kFirstVectorType = 0x8B50;
constexpr GLenum kLastVectorType = 0x8B5C;

bool isSamplerType(GLenum type) { return type >= kFirstSamplerType && type <= kLastSamplerType; }

bool isSettableType(GLenum type)
{
    return type == GL_FLOAT || type == GL_INT || (type >= kFirstVectorType && type <= kLastVectorType);
}

bool isBuiltIn(const std::string &name) { return name.compare(0, 3, "gl_") == 0; }
} // namespace

Program::Program() : handle(glCreateProgram()) {}

Program::~Program() { glDeleteProgram(handle); }

void Program::attach(Shader *shader)
{
    if (shader)
        glAttachShader(handle, shader->getHandle());
}

void Program::detach(Shader *shader)
{
    if (shader)
        glDetachShader(handle, shader->getHandle());
}

void Program::link()
{
    glLinkProgram(handle);
    uniforms.clear();
    // Re-linking rebuilds both lists: stale samplers would keep units and
    // locations of a program that no longer exists.
    samplers.clear();
    if (isLinked()) {
        bind();
        collectUniforms();
        assignSamplerUnits();
    }
    unbind();
}

bool Program::isLinked() const
{
    GLint status = GL_FALSE;
    glGetProgramiv(handle, GL_LINK_STATUS, &status);
    return status != GL_FALSE;
}

void Program::validate() { glValidateProgram(handle); }

bool Program::isValid() const
{
    GLint status = GL_FALSE;
    glGetProgramiv(handle, GL_VALIDATE_STATUS, &status);
    return status != GL_FALSE;
}

void Program::getInfoLog(std::string &log) const
{
    GLint length = 0; // includes the terminating zero
    glGetProgramiv(handle, GL_INFO_LOG_LENGTH, &length);
    if (length <= 1)
        return;
    std::vector<GLchar> text(static_cast<size_t>(length), '\0');
    GLsizei written = 0;
    glGetProgramInfoLog(handle, length, &written, text.data());
    log.append(text.data(), static_cast<size_t>(written));
}

void Program::bind() const { glUseProgram(handle); }

void Program::unbind() { glUseProgram(0); }

void Program::collectUniforms()
{
    GLint previous = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &previous);
    if (static_cast<GLuint>(previous) != handle)
        glUseProgram(handle);

    GLint count = 0, longest = 0;
    glGetProgramiv(handle, GL_ACTIVE_UNIFORMS, &count);
    glGetProgramiv(handle, GL_ACTIVE_UNIFORM_MAX_LENGTH, &longest);
    std::vector<GLchar> buffer(static_cast<size_t>(longest) + 1, '\0');
    for (GLint i = 0; i < count; ++i) {
        GLsizei length = 0;
        GLint size = 0;
        GLenum type = 0;
        glGetActiveUniform(handle, static_cast<GLuint>(i), static_cast<GLsizei>(buffer.size()),
                           &length, &size, &type, buffer.data());
        const std::string name(buffer.data(), static_cast<size_t>(length));
        recordUniform(name, size, type, glGetUniformLocation(handle, name.c_str()));
    }

    if (static_cast<GLuint>(previous) != handle)
        glUseProgram(static_cast<GLuint>(previous));
}

void Program::recordUniform(std::string name, GLint size, GLenum type, GLint location)
{
    if (isSamplerType(type)) {
        glUniform1i(location, static_cast<GLint>(samplers.size()));
        samplers.push_back({name, location});
        return;
    }
    if (isBuiltIn(name))
        return;
    const size_t bracket = name.find('[');
    const bool laterElement = bracket != std::string::npos && name.compare(bracket, 3, "[0]") != 0;
    if (!laterElement) {
        if (bracket != std::string::npos)
            name.erase(bracket);
        if (!isSettableType(type)) {
            std::cout << "Unknown Uniform Type" << std::endl;
            return;
        }
        // The GL reports an array's length with its first element; drivers
        // that list only element 0 would otherwise leave the count at 1.
        uniforms.push_back({name, location, type, size > 1 ? size : 1});
        return;
    }
    // A later element ("lights[3]"): it extends the array recorded before.
    const int element = std::atoi(name.c_str() + bracket + 1);
    name.erase(bracket);
    for (Uniform &uniform : uniforms)
        if (uniform.name == name && element + 1 > uniform.count)
            uniform.count = element + 1;
}

void Program::assignSamplerUnits() const
{
    for (size_t unit = 0; unit < samplers.size(); ++unit)
        glUniform1i(samplers[unit].location, static_cast<GLint>(unit));
}

void Program::setSampler(const std::string &name, int unit)
{
    for (const Sampler &sampler : samplers)
        if (sampler.name == name) {
            glUniform1i(sampler.location, unit);
            return;
        }
}

GLint Program::getUniformLocation(const std::string &name) const
{
    if (const Uniform *uniform = findUniform(name.c_str()))
        return uniform->location;
    for (const Sampler &sampler : samplers)
        if (sampler.name == name)
            return sampler.location;
    const GLint location = glGetUniformLocation(handle, name.c_str());
    if (location == -1)
        throw std::logic_error(name + " - is not a valid uniform variable name");
    return location;
}

GLint Program::getRawUniformLocation(const char *name) const { return glGetUniformLocation(handle, name); }

void Program::bindAttribLocation(GLuint index, const char *name) { glBindAttribLocation(handle, index, name); }

GLint Program::getAttribLocation(const char *name) const { return glGetAttribLocation(handle, name); }

void Program::getActiveAttrib(GLuint index, GLsizei bufferSize, GLsizei *length, GLint *size,
                              GLenum *type, GLchar *name) const
{
    glGetActiveAttrib(handle, index, bufferSize, length, size, type, name);
}

void Program::getActiveUniform(GLuint index, GLsizei bufferSize, GLsizei *length, GLint *size,
                               GLenum *type, GLchar *name) const
{
    glGetActiveUniform(handle, index, bufferSize, length, size, type, name);
}

const Uniform *Program::findUniform(const char *name) const
{
    if (!name)
        return nullptr;
    for (const Uniform &uniform : uniforms)
        if (uniform.name == name)
            return &uniform;
    return nullptr;
}

} // namespace GLSL
