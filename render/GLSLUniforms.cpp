// The uniform setters and getters of GLSL::Program. Each one looks the name
// up among the uniforms recorded by the last link and does nothing when it
// is not there.
#include "render/GLSLProgram.h"

namespace GLSL {

namespace {
constexpr GLsizei kSingle = 1;
} // namespace

void Program::setUniform1i(const char *name, int value)
{
    if (const Uniform *u = findUniform(name))
        glUniform1i(u->location, value);
}

void Program::setUniform1f(const char *name, float value)
{
    if (const Uniform *u = findUniform(name))
        glUniform1f(u->location, value);
}

void Program::setUniform2f(const char *name, const float *values)
{
    if (const Uniform *u = findUniform(name))
        glUniform2fv(u->location, kSingle, values);
}

void Program::setUniform3f(const char *name, const float *values)
{
    if (const Uniform *u = findUniform(name))
        glUniform3fv(u->location, kSingle, values);
}

void Program::setUniform4f(const char *name, const float *values)
{
    if (const Uniform *u = findUniform(name))
        glUniform4fv(u->location, kSingle, values);
}

void Program::setUniformMatrix2(const char *name, const float *rowMajor)
{
    if (const Uniform *u = findUniform(name))
        glUniformMatrix2fv(u->location, kSingle, GL_TRUE, rowMajor);
}

void Program::setUniformMatrix3(const char *name, const float *rowMajor)
{
    if (const Uniform *u = findUniform(name))
        glUniformMatrix3fv(u->location, kSingle, GL_TRUE, rowMajor);
}

void Program::setUniformMatrix4(const char *name, const float *rowMajor)
{
    if (const Uniform *u = findUniform(name))
        glUniformMatrix4fv(u->location, kSingle, GL_TRUE, rowMajor);
}

void Program::setUniform1fv(const char *name, const float *values, int count)
{
    if (const Uniform *u = findUniform(name))
        glUniform1fv(u->location, count, values);
}

void Program::setUniform2fv(const char *name, const float *values, int count)
{
    if (const Uniform *u = findUniform(name))
        glUniform2fv(u->location, count, values);
}

void Program::setUniform3fv(const char *name, const float *values, int count)
{
    if (const Uniform *u = findUniform(name))
        glUniform3fv(u->location, count, values);
}

void Program::setUniform4fv(const char *name, const float *values, int count)
{
    if (const Uniform *u = findUniform(name))
        glUniform4fv(u->location, count, values);
}

void Program::setUniformMatrix4v(const char *name, const float *rowMajor, int count)
{
    if (const Uniform *u = findUniform(name))
        glUniformMatrix4fv(u->location, count, GL_TRUE, rowMajor);
}

void Program::getUniform1i(const char *name, int *value) const
{
    if (const Uniform *u = findUniform(name))
        glGetUniformiv(handle, u->location, value);
}

void Program::getUniformf(const char *name, float *values) const
{
    if (const Uniform *u = findUniform(name))
        glGetUniformfv(handle, u->location, values);
}

} // namespace GLSL
