#pragma once
#include <map>
#include <string>

namespace GLSL {
class Program;
class Shader;
} // namespace GLSL

// The toon look: the comic shader program and the one-dimensional colour
// ramps it bands the lighting with, cached by colour name.
//
// Texture units: the game binds its 2D textures on unit 0, as the fixed
// pipeline expects. The ramp lives on unit 1, because GL forbids samplers
// of different types (the shader's sampler2D and sampler1D) on one unit in
// the same draw. setColor binds the ramp there and leaves unit 0 active.
//
// GL names are plain unsigned ints here so that this header stays free of
// GL headers (it is included next to Qt's).
class ComicStyle {
public:
    // The shader sources, read from the working directory, and the units the
    // shader's two samplers are pointed at.
    static constexpr const char *kVertexShaderFile = "comic.vs";
    static constexpr const char *kFragmentShaderFile = "comic.fs";
    static constexpr const char *kTextureSampler = "tex";
    static constexpr const char *kRampSampler = "ramp";
    static constexpr int kTextureUnit = 0;
    static constexpr int kRampUnit = 1;

    ComicStyle() = default;
    // Frees only the cache: the GL objects may outlive the context anyway.
    ~ComicStyle() = default;
    ComicStyle(const ComicStyle &) = delete;
    ComicStyle &operator=(const ComicStyle &) = delete;

    // The first call builds the program (and does not bind it); every later
    // call binds it, if it linked. Failures are reported on standard output,
    // and the failing shader file is named on standard error.
    void enable();
    // Binds no program, loaded or not.
    void disable();
    // Makes the colour's ramp current on GL_TEXTURE_1D of the ramp unit,
    // loading "tex\<colour>.txt" the first time the colour is asked for. A
    // colour whose file fails shows one warning, names the file on standard
    // error and gets the built-in ramp (ColorRamp::kBuiltIn).
    void setColor(std::string color);
    // A modal warning box captioned "An Error occured".
    void showError(const char *message);
    // Reads twelve floats (RGB of four ramp entries) into `texture` on the
    // active unit. Throws FileNotFoundError or FileNotValidError.
    void loadColorRamp(const char *path, unsigned int texture);

    bool isLoaded() const { return programLoaded; }
    GLSL::Program *getProgram() const { return program; }
    // The cached ramp texture of a colour; 0 when it was never asked for.
    unsigned int rampTexture(const std::string &color) const;
    std::size_t rampCount() const { return colorRamps.size(); }

private:
    void buildProgram();
    // Names the shader file at fault, or both when they do not link.
    void reportLinkFailure(bool vertexRead, const std::string &vertexText, bool fragmentRead,
                           const std::string &fragmentText) const;
    void loadColorOrFallBack(const std::string &color, unsigned int texture);

    std::map<std::string, unsigned int> colorRamps;
    bool programLoaded = false;
    GLSL::Program *program = nullptr;
    GLSL::Shader *fragmentShader = nullptr;
    GLSL::Shader *vertexShader = nullptr;
};
