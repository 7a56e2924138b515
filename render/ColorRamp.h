#pragma once
#include <array>
#include <istream>

// A colour-ramp file ("tex\<colour>.txt"): twelve decimal numbers separated
// by white space, red, green and blue of the four ramp entries from dark to
// light. Plain code without GL, so that tests and the fuzz target can run
// it; ComicStyle uploads the result as a 4-texel 1D texture.
namespace ColorRamp {

constexpr int kTexels = 4;
constexpr int kFloats = kTexels * 3; // RGB per texel
using Texels = std::array<float, kFloats>;

// Ramp "red", the one the game uses: four warm steps from a dim brown to a
// candle-lit white. Texel 0 is kept well above black so that the far parts
// of a level stay readable; the warm bias stands in for the torch's orange
// light. The asset generator writes it as tex/red.txt, and the game falls
// back to it when that file is missing or corrupt, so a level never goes
// black for want of a ramp.
constexpr Texels kBuiltIn = {0.20f, 0.14f, 0.13f, 0.46f, 0.36f, 0.31f,
                             0.76f, 0.64f, 0.54f, 1.00f, 0.93f, 0.82f};

// Reads the twelve numbers. False when fewer can be read: the stream ends
// early, or a number does not parse or is out of the float range. What
// follows the twelfth number is not looked at. Accepted values are finite;
// the GL clamps them to 0..1 when they are uploaded.
bool read(std::istream &in, Texels &texels);

} // namespace ColorRamp
