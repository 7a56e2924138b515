#pragma once
#include "render/GL.h"

#include <string>
#include <vector>

namespace GLSL {

class Shader;

// An active non-sampler uniform found by the last link. Arrays are
// recorded once, under the name without its "[...]" suffix.
struct Uniform {
    std::string name;
    GLint location = -1;
    GLenum type = 0;
    int count = 1; // array elements; 1 for a plain value
};

// An active sampler uniform; its texture unit is its place in the list.
struct Sampler {
    std::string name;
    GLint location = -1;
};

// A GL program object with the book-keeping of its uniforms. It does not
// own its shaders. The setters and getters address uniforms by name and
// silently ignore names the last link did not record; the setters only
// take effect while the program is bound.
class Program {
public:
    Program();
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    void attach(Shader *shader);
    void detach(Shader *shader);
    // Links, then records the active uniforms and samplers and gives the
    // samplers consecutive texture units in the order the GL reports them.
    // Leaves no program bound.
    void link();
    bool isLinked() const;
    void validate();
    bool isValid() const;
    // Appends the GL's program info log.
    void getInfoLog(std::string &log) const;
    void bind() const;
    static void unbind();

    GLuint getHandle() const { return handle; }
    const std::vector<Uniform> &getUniforms() const { return uniforms; }
    const std::vector<Sampler> &getSamplers() const { return samplers; }

    // Points the named sampler at a texture unit (program must be bound).
    void setSampler(const std::string &name, int unit);
    // Recorded uniform, else recorded sampler, else the GL's own answer;
    // throws std::logic_error for a name the GL does not know either.
    GLint getUniformLocation(const std::string &name) const;

    // Direct GL queries on this program, results passed through.
    GLint getRawUniformLocation(const char *name) const;
    void bindAttribLocation(GLuint index, const char *name);
    GLint getAttribLocation(const char *name) const;
    void getActiveAttrib(GLuint index, GLsizei bufferSize, GLsizei *length, GLint *size,
                         GLenum *type, GLchar *name) const;
    void getActiveUniform(GLuint index, GLsizei bufferSize, GLsizei *length, GLint *size,
                          GLenum *type, GLchar *name) const;

    // Setters. Vectors and matrices are plain float pointers; matrices are
    // row-major (they are handed to the GL transposed).
    void setUniform1i(const char *name, int value);
    void setUniform1f(const char *name, float value);
    void setUniform2f(const char *name, const float *values);
    void setUniform3f(const char *name, const float *values);
    void setUniform4f(const char *name, const float *values);
    void setUniformMatrix2(const char *name, const float *rowMajor);
    void setUniformMatrix3(const char *name, const float *rowMajor);
    void setUniformMatrix4(const char *name, const float *rowMajor);
    void setUniform1fv(const char *name, const float *values, int count);
    void setUniform2fv(const char *name, const float *values, int count);
    void setUniform3fv(const char *name, const float *values, int count);
    void setUniform4fv(const char *name, const float *values, int count);
    void setUniformMatrix4v(const char *name, const float *rowMajor, int count);

    // Getters: `value` must hold as many elements as the uniform has
    // (a matrix is read back column-major, as the GL stores it).
    void getUniform1i(const char *name, int *value) const;
    void getUniformf(const char *name, float *values) const;

    void setUniform1i(const std::string &name, int value) { setUniform1i(name.c_str(), value); }
    void setUniform1f(const std::string &name, float value) { setUniform1f(name.c_str(), value); }
    void setUniform2f(const std::string &name, const float *v) { setUniform2f(name.c_str(), v); }
    void setUniform3f(const std::string &name, const float *v) { setUniform3f(name.c_str(), v); }
    void setUniform4f(const std::string &name, const float *v) { setUniform4f(name.c_str(), v); }
    void setUniformMatrix2(const std::string &name, const float *m) { setUniformMatrix2(name.c_str(), m); }
    void setUniformMatrix3(const std::string &name, const float *m) { setUniformMatrix3(name.c_str(), m); }
    void setUniformMatrix4(const std::string &name, const float *m) { setUniformMatrix4(name.c_str(), m); }
    void setUniform1fv(const std::string &name, const float *v, int n) { setUniform1fv(name.c_str(), v, n); }
    void setUniform2fv(const std::string &name, const float *v, int n) { setUniform2fv(name.c_str(), v, n); }
    void setUniform3fv(const std::string &name, const float *v, int n) { setUniform3fv(name.c_str(), v, n); }
    void setUniform4fv(const std::string &name, const float *v, int n) { setUniform4fv(name.c_str(), v, n); }
    void setUniformMatrix4v(const std::string &name, const float *m, int n) { setUniformMatrix4v(name.c_str(), m, n); }
    void getUniform1i(const std::string &name, int *value) const { getUniform1i(name.c_str(), value); }
    void getUniformf(const std::string &name, float *values) const { getUniformf(name.c_str(), values); }

private:
    // The recorded uniform of that name, or null.
    const Uniform *findUniform(const char *name) const;
    void collectUniforms();
    // Records one entry reported by glGetActiveUniform.
    void recordUniform(std::string name, GLint size, GLenum type, GLint location);
    void assignSamplerUnits() const;

    GLuint handle;
    std::vector<Uniform> uniforms;
    std::vector<Sampler> samplers;
};

} // namespace GLSL
