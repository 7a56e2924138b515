#include "render/GLSLShader.h"

#include <vector>

namespace GLSL {

Shader::Shader(GLenum shaderType) : type(shaderType)
{
    if (type == GL_VERTEX_SHADER || type == GL_FRAGMENT_SHADER)
        handle = glCreateShader(type);
}

Shader::~Shader()
{
    if (handle > 0)
        glDeleteShader(handle);
}

void Shader::setSource(const std::string &source)
{
    if (handle == 0)
        return;
    const GLchar *text = source.c_str();
    glShaderSource(handle, 1, &text, nullptr);
    compiled = false;
    hasSource = true;
}

void Shader::compile()
{
    if (handle == 0 || !hasSource)
        return;
    glCompileShader(handle);
    GLint status = GL_FALSE;
    glGetShaderiv(handle, GL_COMPILE_STATUS, &status);
    compiled = status != GL_FALSE;
}

void Shader::getInfoLog(std::string &log) const
{
    if (handle == 0)
        return;
    GLint length = 0; // includes the terminating zero
    glGetShaderiv(handle, GL_INFO_LOG_LENGTH, &length);
    if (length <= 1)
        return;
    std::vector<GLchar> text(static_cast<size_t>(length), '\0');
    GLsizei written = 0;
    glGetShaderInfoLog(handle, length, &written, text.data());
    log.append(text.data(), static_cast<size_t>(written));
}

} // namespace GLSL
