#pragma once
#include "render/GL.h"

#include <string>

namespace GLSL {

// One GL shader object of the vertex or fragment stage. Any other type
// gets no GL object (handle 0) and every operation on it does nothing.
class Shader {
public:
    explicit Shader(GLenum type);
    ~Shader();
    Shader(const Shader &) = delete;
    Shader &operator=(const Shader &) = delete;

    // Hands the text to the GL; the shader counts as uncompiled until the
    // next compile.
    void setSource(const std::string &source);
    // Compiles only once a source has been set.
    void compile();
    // Appends the GL's info log of the last compile.
    void getInfoLog(std::string &log) const;

    bool isCompiled() const { return compiled; }
    GLenum getType() const { return type; }
    GLuint getHandle() const { return handle; }

private:
    bool compiled = false;
    bool hasSource = false;
    GLenum type;
    GLuint handle = 0;
};

} // namespace GLSL
