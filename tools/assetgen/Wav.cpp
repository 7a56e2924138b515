#include "Wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace {
constexpr int kBitsPerSample = 16;
constexpr int kBytesPerSample = kBitsPerSample / 8;
constexpr float kFullScale = 32767.0f;

void put16(std::ofstream &out, std::uint16_t v) { out.put(char(v & 0xff)).put(char(v >> 8)); }
void put32(std::ofstream &out, std::uint32_t v)
{
    put16(out, std::uint16_t(v & 0xffff));
    put16(out, std::uint16_t(v >> 16));
}
} // namespace

bool writeWav(const std::string &path, const Samples &samples)
{
    std::ofstream out(path, std::ios::binary);
    if (!out)
        return false;
    const std::uint32_t dataBytes = std::uint32_t(samples.size() * kBytesPerSample);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    put32(out, 16);    // size of the format chunk
    put16(out, 1);     // PCM
    put16(out, 1);     // mono
    put32(out, kSampleRate);
    put32(out, kSampleRate * kBytesPerSample); // bytes per second
    put16(out, kBytesPerSample);               // block align
    put16(out, kBitsPerSample);
    out.write("data", 4);
    put32(out, dataBytes);
    for (float s : samples) {
        const float clamped = std::clamp(s, -1.0f, 1.0f);
        put16(out, std::uint16_t(std::int16_t(std::lround(clamped * kFullScale))));
    }
    return bool(out);
}
