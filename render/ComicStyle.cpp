#include "render/ComicStyle.h"

#include "core/FileReport.h"
#include "core/Paths.h"
#include "core/WarningBox.h"
#include "render/ColorRamp.h"
#include "render/GL.h"
#include "render/GLSL.h"
#include "render/TextureError.h"

#include <fstream>

namespace {
const char *const kWithoutShader = "; drawn without the comic shader";

void uploadRamp(unsigned int texture, const ColorRamp::Texels &texels)
{
    glBindTexture(GL_TEXTURE_1D, texture);
    glTexParameteri(GL_TEXTURE_1D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_1D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage1D(GL_TEXTURE_1D, 0, GL_RGB, ColorRamp::kTexels, 0, GL_RGB, GL_FLOAT, texels.data());
}

// Untextured geometry samples texture object 0 on unit 0. Left empty it is
// incomplete and reads as black in a shader; a single white texel makes it
// neutral, like the plain white "clear.bmp" the game binds between parts.
void makeDefaultTextureWhite()
{
    // Four bytes: one RGB texel plus the row padding of the default unpack
    // alignment.
    static const GLubyte kWhite[4] = {255, 255, 255, 255};
    GLint activeUnit = GL_TEXTURE0, bound = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &activeUnit);
    glActiveTexture(GL_TEXTURE0 + ComicStyle::kTextureUnit);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glBindTexture(GL_TEXTURE_2D, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, kWhite);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    glActiveTexture(static_cast<GLenum>(activeUnit));
}

// Where the comic program failed, named on standard error (the compile and
// link logs went to standard output with the rest of the wrapper's
// reports). Returns whether the shader itself was at fault.
bool reportShader(bool read, const std::string &text, const GLSL::Shader *shader, const char *file)
{
    const char *problem = !read                             ? "missing"
                          : text.empty()                    ? "empty"
                          : !shader || !shader->isCompiled() ? "does not compile"
                                                             : nullptr;
    if (problem)
        reportUnusableFile(hostPath(file), std::string(problem) + kWithoutShader);
    return problem != nullptr;
}

// Names each shader file with how it stands to the other.
void reportBothShaders(const char *relation)
{
    reportUnusableFile(hostPath(ComicStyle::kVertexShaderFile),
                       std::string(relation) + " " + ComicStyle::kFragmentShaderFile + kWithoutShader);
    reportUnusableFile(hostPath(ComicStyle::kFragmentShaderFile),
                       std::string(relation) + " " + ComicStyle::kVertexShaderFile + kWithoutShader);
}
} // namespace

void ComicStyle::enable()
{
    if (!programLoaded) {
        buildProgram();
        programLoaded = true;
        return;
    }
    // A program that did not link cannot be used; binding it would fail
    // and leave whatever program was bound. The frame is then drawn by the
    // fixed pipeline: untooned, but visible.
    if (program->isLinked())
        program->bind();
}

void ComicStyle::reportLinkFailure(bool vertexRead, const std::string &vertexText, bool fragmentRead,
                                   const std::string &fragmentText) const
{
    const bool vertexFault = reportShader(vertexRead, vertexText, vertexShader, kVertexShaderFile);
    const bool fragmentFault = reportShader(fragmentRead, fragmentText, fragmentShader, kFragmentShaderFile);
    if (!vertexFault && !fragmentFault) {
        reportBothShaders("does not link with");
    }
}

void ComicStyle::buildProgram()
{
    std::string vertexText, fragmentText;
    const bool vertexRead = GLSL::readShaderFile(hostPath(kVertexShaderFile).c_str(), vertexText);
    const bool fragmentRead = GLSL::readShaderFile(hostPath(kFragmentShaderFile).c_str(), fragmentText);
    // One text cannot be both stages; the pair is refused before the GL
    // sees it. Mesa 22.3 takes the second compile of a text from its cache
    // of the first, whatever the stage, and crashes linking the two.
    if (vertexRead && !vertexText.empty() && vertexText == fragmentText) {
        if (!program)
            program = new GLSL::Program;
        reportBothShaders("the same text as");
    } else {
        GLSL::createProgram(&program, &vertexShader, &fragmentShader, vertexText.c_str(), fragmentText.c_str());
        if (!program->isLinked())
            reportLinkFailure(vertexRead, vertexText, fragmentRead, fragmentText);
    }
    // Linking numbered the samplers in the order the GL reports them; the
    // units must not depend on that order, so they are set explicitly.
    if (program->isLinked()) {
        program->bind();
        program->setSampler(kTextureSampler, kTextureUnit);
        program->setSampler(kRampSampler, kRampUnit);
        GLSL::Program::unbind();
    }
    makeDefaultTextureWhite();
}

void ComicStyle::disable() { glUseProgram(0); }

void ComicStyle::setColor(std::string color)
{
    GLint activeUnit = GL_TEXTURE0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &activeUnit);
    glActiveTexture(GL_TEXTURE0 + kRampUnit);

    auto cached = colorRamps.find(color);
    if (cached == colorRamps.end()) {
        GLuint texture = 0;
        glGenTextures(1, &texture);
        // Cached before anything can fail, so that the warning comes once a
        // run, even when a frame is painted while the modal box is open.
        cached = colorRamps.emplace(color, texture).first;
        loadColorOrFallBack(color, texture);
    }
    glBindTexture(GL_TEXTURE_1D, cached->second);
    glActiveTexture(static_cast<GLenum>(activeUnit));
}

void ComicStyle::loadColorOrFallBack(const std::string &color, unsigned int texture)
{
    const std::string path = hostPath("tex\\" + color + ".txt");
    std::string warning, problem;
    try {
        loadColorRamp(path.c_str(), texture);
        return;
    } catch (const FileNotFoundError &) {
        warning = "Could not find the texture file for color:" + color;
        problem = "missing";
    } catch (const FileNotValidError &) {
        warning = "Texture file corrupt for color:" + color;
        problem = "corrupt";
    }
    // An empty ramp texture reads black in the shader and only the glowing
    // floors would stay visible: a failed colour gets the built-in bands,
    // already for any frame painted while the box is open.
    uploadRamp(texture, ColorRamp::kBuiltIn);
    reportUnusableFile(path, problem + "; the built-in colour ramp stands in");
    showError(warning.c_str());
}

void ComicStyle::showError(const char *message) { showWarningBox(kErrorCaption, message ? message : ""); }

void ComicStyle::loadColorRamp(const char *path, unsigned int texture)
{
    std::ifstream in(path ? path : "");
    if (!in.is_open())
        throw FileNotFoundError();
    ColorRamp::Texels texels;
    if (!ColorRamp::read(in, texels))
        throw FileNotValidError();
    in.close();
    uploadRamp(texture, texels);
}

unsigned int ComicStyle::rampTexture(const std::string &color) const
{
    const auto cached = colorRamps.find(color);
    return cached == colorRamps.end() ? 0 : cached->second;
}
