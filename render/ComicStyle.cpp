#include "render/ComicStyle.h"

#include "app/Paths.h"
#include "app/WarningBox.h"
#include "render/GL.h"
#include "render/GLSL.h"
#include "render/TextureError.h"

#include <fstream>

namespace {
constexpr int kRampTexels = 4;
constexpr int kRampFloats = kRampTexels * 3; // RGB per texel

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
} // namespace

void ComicStyle::enable()
{
    if (!programLoaded) {
        buildProgram();
        programLoaded = true;
        return;
    }
    program->bind();
}

void ComicStyle::buildProgram()
{
    GLSL::createProgramFromFiles(&program, &vertexShader, &fragmentShader,
                                 hostPath(kVertexShaderFile).c_str(),
                                 hostPath(kFragmentShaderFile).c_str());
    // Linking numbered the samplers in the order the GL reports them; the
    // units must not depend on that order, so they are set explicitly.
    program->bind();
    program->setSampler(kTextureSampler, kTextureUnit);
    program->setSampler(kRampSampler, kRampUnit);
    GLSL::Program::unbind();
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
        const std::string path = hostPath("tex\\" + color + ".txt");
        try {
            loadColorRamp(path.c_str(), texture);
        } catch (const FileNotFoundError &) {
            reportUnreadableFile(path);
            showError(("Could not find the texture file for color:" + color).c_str());
        } catch (const FileNotValidError &) {
            reportUnreadableFile(path);
            showError(("Texture file corrupt for color:" + color).c_str());
        }
        // Stored even after a failure, so that the warning comes once a run.
        cached = colorRamps.emplace(color, texture).first;
    }
    glBindTexture(GL_TEXTURE_1D, cached->second);
    glActiveTexture(static_cast<GLenum>(activeUnit));
}

void ComicStyle::showError(const char *message) { showWarningBox(kErrorCaption, message ? message : ""); }

void ComicStyle::loadColorRamp(const char *path, unsigned int texture)
{
    std::ifstream in(path ? path : "");
    if (!in.is_open())
        throw FileNotFoundError();
    GLfloat ramp[kRampFloats];
    // Any failed extraction counts as corrupt: a missing number, one that
    // does not parse, or a short file that ends in a line end.
    for (GLfloat &value : ramp)
        if (!(in >> value))
            throw FileNotValidError();
    in.close();

    glBindTexture(GL_TEXTURE_1D, texture);
    glTexParameteri(GL_TEXTURE_1D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_1D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage1D(GL_TEXTURE_1D, 0, GL_RGB, kRampTexels, 0, GL_RGB, GL_FLOAT, ramp);
}

unsigned int ComicStyle::rampTexture(const std::string &color) const
{
    const auto cached = colorRamps.find(color);
    return cached == colorRamps.end() ? 0 : cached->second;
}
