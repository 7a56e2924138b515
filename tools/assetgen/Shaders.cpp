// The comic look: the toon shader pair "comic.vs" / "comic.fs" and the colour
// ramp "tex/red.txt" it bands the light with.
//
// Texture units. The game binds its 2D textures on unit 0 the fixed-function
// way. GL forbids samplers of different types on one unit in the same draw,
// so the 1D ramp cannot share unit 0 with them: ComicStyle binds the ramp on
// unit 1 and points the samplers there after linking (tex -> 0, ramp -> 1).
// Untextured geometry samples texture object 0, which ComicStyle fills with
// one white texel, so `tex` is always safe to multiply with.
#include "Generators.h"

#include "render/ColorRamp.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// GLSL 1.30 with the compatibility built-ins: the game feeds positions,
// normals, colours, texture coordinates, the light and the material through
// the fixed-function interface. ftransform() keeps the depth values
// identical to the fixed-function outline pass that is drawn over this one.
//
// Why two stages share the lighting: whatever depends only on the light,
// the material and the ramp (the light's place, its falloff, its ambient
// and diffuse strength, the glow, the ramp's four colours) is the same for
// every pixel of a primitive. Worked out per pixel it cost a quarter of a
// software-rendered frame, so the vertex stage works it out once and hands
// it on `flat`, unchanged. So does the colour: the game sets one per
// primitive, and interpolating a constant only added rounding. Only what
// varies over a face (the distance and direction to the light, the normal)
// is computed per pixel.
const char *const kVertexShader = R"(#version 130
// Toon shading, vertex stage: eye-space position and normal go on to the
// fragment stage, which bands the light per pixel, with the light's terms
// that do not vary over a primitive.
const int kRampTexels = 4;

out vec3 eyePosition;
out vec3 eyeNormal;
flat out vec4 torch;    // xyz: light 0's place in eye space (or its direction); w: 1 point light, 0 directional
flat out vec3 falloff;  // constant, linear and quadratic attenuation of light 0
flat out vec3 terms;    // light levels: global ambient, light 0's ambient share, light 0's diffuse strength
flat out vec3 glow;     // the material's emission
flat out vec4 colour;   // the colour the game set: one per primitive
flat out vec3 bands[kRampTexels]; // the colour ramp's texels, dark to light

uniform sampler1D ramp; // unit 1: the colour ramp

// How much of the torch's ambient term reaches a surface that faces away.
const float kAmbientShare = 0.25;
const vec3 kLuminance = vec3(0.299, 0.587, 0.114);

void main()
{
    vec4 eye = gl_ModelViewMatrix * gl_Vertex;
    eyePosition = eye.xyz / eye.w;
    eyeNormal = gl_NormalMatrix * gl_Normal;

    vec4 light = gl_LightSource[0].position; // already in eye space
    torch = light.w != 0.0 ? vec4(light.xyz / light.w, 1.0) : vec4(light.xyz, 0.0);
    falloff = vec3(gl_LightSource[0].constantAttenuation, gl_LightSource[0].linearAttenuation,
                   gl_LightSource[0].quadraticAttenuation);
    vec3 diffuseColour = gl_LightSource[0].diffuse.rgb;
    terms = vec3(dot(gl_LightModel.ambient.rgb, kLuminance),
                 dot(gl_LightSource[0].ambient.rgb, kLuminance) * kAmbientShare,
                 max(diffuseColour.r, max(diffuseColour.g, diffuseColour.b)));
    glow = gl_FrontMaterial.emission.rgb;
    // Texel centres: the ramp's wrap mode is the GL default (repeat), so a
    // coordinate of exactly 1.0 would wrap to the darkest band.
    for (int band = 0; band < kRampTexels; ++band)
        bands[band] = texture1DLod(ramp, (float(band) + 0.5) / float(kRampTexels), 0.0).rgb;

    colour = gl_Color;
    gl_TexCoord[0] = gl_MultiTexCoord0;
    gl_Position = ftransform();
}
)";

const char *const kFragmentShader = R"(#version 130
// Toon shading, fragment stage. Light 0 (the hero's torch, with its
// distance attenuation) and the global ambient give a light level in 0..1;
// the level picks one of the four texels of the colour ramp, so the light
// falls off in hard bands instead of smoothly. The ramp colour modulates
// the surface colour times its texture; the material emission (the glowing
// hazard floors) is added on top, independent of the light.
uniform sampler2D tex; // unit 0: the texture the game bound, or plain white

in vec3 eyePosition;
in vec3 eyeNormal;
flat in vec4 torch;
flat in vec3 falloff;
flat in vec3 terms;
flat in vec3 glow;
flat in vec4 colour;
const int kRampTexels = 4;
flat in vec3 bands[kRampTexels];

void main()
{
    // The light level is ambient + lit / falloff, clamped to 0..1, and its
    // band is how many of the thresholds 1/4, 2/4, 3/4 it reaches. It is
    // compared, not worked out: level >= t exactly when
    // (ambient - t) * falloff + lit >= 0, the falloff being positive. That
    // saves the divisions, and the facing term takes one square root for
    // both lengths; a software renderer pays most for those.
    vec3 toLight = torch.w != 0.0 ? torch.xyz - eyePosition : torch.xyz;
    float lightSquared = dot(toLight, toLight);
    float facing = max(dot(eyeNormal, toLight), 0.0) * inversesqrt(dot(eyeNormal, eyeNormal) * lightSquared);
    float fade = torch.w != 0.0
        ? max(falloff.x + falloff.y * sqrt(lightSquared) + falloff.z * lightSquared, 0.0001) : 1.0;
    float lit = terms.y + terms.z * facing;
    const float kBandStep = 1.0 / float(kRampTexels);
    vec3 shade = (terms.x - 3.0 * kBandStep) * fade + lit >= 0.0 ? bands[3]
               : (terms.x - 2.0 * kBandStep) * fade + lit >= 0.0 ? bands[2]
               : (terms.x - kBandStep) * fade + lit >= 0.0 ? bands[1] : bands[0];

    vec4 base = colour * texture2D(tex, gl_TexCoord[0].st);
    gl_FragColor = vec4(min(base.rgb * (shade + glow), vec3(1.0)), base.a);
}
)";

bool writeText(const std::string &path, const char *text)
{
    std::ofstream out(path);
    out << text;
    if (!out) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

bool writeShaders(const std::string &root)
{
    bool ok = writeText(root + "/comic.vs", kVertexShader);
    ok &= writeText(root + "/comic.fs", kFragmentShader);
    return ok;
}

// Ramp "red" is the game's built-in one, written as the game reads it.
bool writeColorRamps(const std::string &root)
{
    std::string text;
    char number[16];
    for (int i = 0; i < ColorRamp::kFloats; ++i) {
        std::snprintf(number, sizeof number, "%.2f", double(ColorRamp::kBuiltIn[size_t(i)]));
        text += number;
        text += i % 3 == 2 ? "\n" : " ";
    }
    return writeText(root + "/tex/red.txt", text.c_str());
}
