#include "render/GLSL.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace GLSL {

namespace {
void compileAndAttach(Program &program, Shader **slot, GLenum type, const char *source,
                      const char *logTitle)
{
    if (!*slot)
        *slot = new Shader(type);
    Shader &shader = **slot;
    shader.setSource(source);
    shader.compile();
    std::string log;
    shader.getInfoLog(log);
    std::cout << logTitle << log << "\n";
    program.attach(&shader);
}

void printSources(const char *vertexSource, const char *fragmentSource)
{
    if (vertexSource)
        std::cout << "VertexShaderSource :" << vertexSource << "\n";
    if (fragmentSource)
        std::cout << "FragmentShaderSource :" << fragmentSource << "\n";
}
} // namespace

bool readShaderFile(const char *fileName, std::string &text)
{
    if (!fileName)
        return false;
    std::ifstream in(fileName);
    if (!in)
        return false;
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return true;
}

bool writeShaderFile(const char *fileName, const std::string &text)
{
    if (!fileName)
        return false;
    std::ofstream out(fileName);
    out << text;
    return bool(out);
}

void createProgram(Program **program, Shader **vertexShader, Shader **fragmentShader,
                   const char *vertexSource, const char *fragmentSource)
{
    if (!*program)
        *program = new Program;
    Program &target = **program;
    if (vertexSource)
        compileAndAttach(target, vertexShader, GL_VERTEX_SHADER, vertexSource,
                         "Vertex Shader Compile Info Log -- \n");
    if (fragmentSource)
        compileAndAttach(target, fragmentShader, GL_FRAGMENT_SHADER, fragmentSource,
                         "Fragment Shader Compile Info Log -- \n");

    target.link();
    if (!target.isLinked()) {
        std::string log;
        target.getInfoLog(log);
        std::cout << "Current program failed to link!\n"
                  << "GLSL Program Link Info Log -- \n"
                  << log << "\n";
        printSources(vertexSource, fragmentSource);
    }
    target.validate();
    if (!target.isValid()) {
        std::cout << "Current program is not a valid GLSL program!\n";
        printSources(vertexSource, fragmentSource);
    }
    std::cout << std::flush;
}

void createProgramFromFiles(Program **program, Shader **vertexShader, Shader **fragmentShader,
                            const char *vertexFile, const char *fragmentFile)
{
    std::string vertexText, fragmentText;
    if (vertexFile)
        readShaderFile(vertexFile, vertexText);
    if (fragmentFile)
        readShaderFile(fragmentFile, fragmentText);
    createProgram(program, vertexShader, fragmentShader, vertexFile ? vertexText.c_str() : nullptr,
                  fragmentFile ? fragmentText.c_str() : nullptr);
}

} // namespace GLSL
