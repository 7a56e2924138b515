#include "Noise.h"

#include <cmath>

namespace {
int wrap(int i, int period) { return ((i % period) + period) % period; }

float smoothStep(float t) { return t * t * (3.0f - 2.0f * t); }

float lerp(float a, float b, float t) { return a + (b - a) * t; }
} // namespace

float latticeValue(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9E3779B1u ^ std::uint32_t(x) * 0x85EBCA77u ^ std::uint32_t(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return float(h & 0xFFFFFFu) / float(0xFFFFFFu);
}

float valueNoise(float x, float y, int period, std::uint32_t seed)
{
    const int x0 = int(std::floor(x)), y0 = int(std::floor(y));
    const float tx = smoothStep(x - float(x0)), ty = smoothStep(y - float(y0));
    const int xa = wrap(x0, period), xb = wrap(x0 + 1, period);
    const int ya = wrap(y0, period), yb = wrap(y0 + 1, period);
    const float top = lerp(latticeValue(xa, ya, seed), latticeValue(xb, ya, seed), tx);
    const float bottom = lerp(latticeValue(xa, yb, seed), latticeValue(xb, yb, seed), tx);
    return lerp(top, bottom, ty);
}

float fractalNoise(float u, float v, int cells, int octaves, std::uint32_t seed)
{
    float sum = 0.0f, weight = 1.0f, total = 0.0f;
    for (int octave = 0; octave < octaves; ++octave) {
        const int period = cells << octave;
        sum += weight * valueNoise(u * float(period), v * float(period), period, seed + std::uint32_t(octave));
        total += weight;
        weight *= 0.5f;
    }
    return sum / total;
}
