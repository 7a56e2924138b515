#pragma once
// The GLSL wrapper: shader and program objects plus the helpers that build
// a program from source texts or files, reporting on standard output.
#include "render/GLSLProgram.h"
#include "render/GLSLShader.h"

#include <string>

namespace GLSL {

// Replaces `text` with the whole file; false (text untouched) when the file
// cannot be opened.
bool readShaderFile(const char *fileName, std::string &text);
// Writes `text` as the whole file; false when it cannot be written.
bool writeShaderFile(const char *fileName, const std::string &text);

// Builds (or rebuilds) a program from two source texts; either may be null.
// Empty slots get new objects, filled slots are reused. Compile logs, link
// failures and invalid programs go to standard output; nothing is thrown.
void createProgram(Program **program, Shader **vertexShader, Shader **fragmentShader,
                   const char *vertexSource, const char *fragmentSource);
// The same from files; a file that cannot be read gives an empty text.
void createProgramFromFiles(Program **program, Shader **vertexShader, Shader **fragmentShader,
                            const char *vertexFile, const char *fragmentFile);

} // namespace GLSL
