// The sound effects, synthesised: short tones with a frequency sweep and a
// soft attack and release, so that nothing clicks.
#include "Generators.h"
#include "Wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {
constexpr float kTwoPi = 6.28318530718f;
constexpr float kAttackSeconds = 0.005f;
constexpr float kVolume = 0.6f;

// 0..1 gain: a short linear attack, then a decay towards zero at the end.
float envelope(float t, float seconds, float decayPower)
{
    if (t < kAttackSeconds)
        return t / kAttackSeconds;
    const float remaining = 1.0f - (t - kAttackSeconds) / (seconds - kAttackSeconds);
    return std::pow(std::max(remaining, 0.0f), decayPower);
}

// A tone whose pitch glides exponentially from startHz to endHz. `overtone`
// mixes in the third harmonic for a brighter, slightly square sound.
Samples glide(float startHz, float endHz, float seconds, float overtone, float decayPower)
{
    const int count = int(seconds * kSampleRate);
    Samples out(count);
    float phase = 0.0f; // in cycles
    for (int i = 0; i < count; ++i) {
        const float t = float(i) / kSampleRate;
        const float hz = startHz * std::pow(endHz / startHz, t / seconds);
        phase += hz / kSampleRate;
        phase -= std::floor(phase);
        const float wave = std::sin(kTwoPi * phase) + overtone * std::sin(3.0f * kTwoPi * phase) / 3.0f;
        out[i] = kVolume * envelope(t, seconds, decayPower) * wave / (1.0f + overtone / 3.0f);
    }
    return out;
}

// Deterministic white noise (a linear congruential generator).
float noise(std::uint32_t &state)
{
    state = state * 1664525u + 1013904223u;
    return float(state >> 8) / float(1u << 24) * 2.0f - 1.0f;
}

void mix(Samples &into, const Samples &add, float gain, int offset = 0)
{
    if (into.size() < add.size() + offset)
        into.resize(add.size() + offset, 0.0f);
    for (size_t i = 0; i < add.size(); ++i)
        into[i + offset] += gain * add[i];
}

// The hero's jump: a quick rising blip.
Samples heroJump() { return glide(320.0f, 960.0f, 0.18f, 0.4f, 1.5f); }

// The hero is lost: a slow falling whistle with a little vibrato.
Samples heroLost()
{
    Samples out = glide(740.0f, 130.0f, 0.8f, 0.2f, 0.8f);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] *= 0.85f + 0.15f * std::sin(kTwoPi * 7.0f * float(i) / kSampleRate);
    return out;
}

// The Didud's jump: a lower, rounder hop than the hero's.
Samples didudJump() { return glide(180.0f, 420.0f, 0.14f, 0.9f, 1.2f); }

// The Didud is killed: a falling squeak over a short puff of noise.
Samples didudDead()
{
    Samples out = glide(900.0f, 90.0f, 0.35f, 0.6f, 1.0f);
    const int puff = int(0.25f * kSampleRate);
    Samples noiseBurst(puff);
    std::uint32_t state = 12345u;
    float smoothed = 0.0f; // a one-pole low-pass softens the hiss
    for (int i = 0; i < puff; ++i) {
        smoothed += 0.25f * (noise(state) - smoothed);
        noiseBurst[i] = smoothed * envelope(float(i) / kSampleRate, 0.25f, 2.0f);
    }
    mix(out, noiseBurst, 0.5f);
    return out;
}

// The level is done: a rising C-major arpeggio ending on a held chord.
Samples fanfare()
{
    const float notes[] = {523.25f, 659.25f, 783.99f}; // C5 E5 G5
    const float kNoteSeconds = 0.14f;
    Samples out;
    int offset = 0;
    for (float hz : notes) {
        mix(out, glide(hz, hz, kNoteSeconds * 1.5f, 0.5f, 1.0f), 0.8f, offset);
        offset += int(kNoteSeconds * kSampleRate);
    }
    for (float hz : {523.25f, 659.25f, 783.99f, 1046.5f}) // the final chord, C6 on top
        mix(out, glide(hz, hz, 0.9f, 0.5f, 0.7f), 0.35f, offset);
    return out;
}

bool save(const std::string &root, const char *name, const Samples &samples)
{
    const std::string path = root + "/Sounds/" + name;
    if (writeWav(path, samples))
        return true;
    std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    return false;
}
} // namespace

bool writeSounds(const std::string &root)
{
    bool ok = save(root, "jump3.wav", heroJump());
    ok &= save(root, "lost.wav", heroLost());
    ok &= save(root, "jump.wav", didudJump());
    ok &= save(root, "DEAD.wav", didudDead());
    ok &= save(root, "youvdunnit.wav", fanfare());
    return ok;
}
