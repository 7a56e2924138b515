#pragma once
#include <string>
#include <vector>

// Mono sound as floating-point samples in -1..1 at kSampleRate per second.
constexpr int kSampleRate = 22050;
using Samples = std::vector<float>;

// Writes a RIFF/WAVE file: 16-bit signed PCM, mono, kSampleRate. Samples
// are clamped to -1..1. False when the file cannot be written.
bool writeWav(const std::string &path, const Samples &samples);
