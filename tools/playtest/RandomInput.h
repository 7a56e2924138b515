#pragma once
#include <cstdint>
#include <random>
#include <string>

class WorldProxy;

// A reproducible stream of random input for soaking the worlds: key presses
// and releases (the game's keys and a few it ignores), mouse moves as the
// window reports them (the centre point included), button presses and
// releases (left, right and middle) and wheel turns of any size a wheel
// reports. The same seed always gives the same stream: the generator is
// std::mt19937_64, whose output the standard fixes, and only its raw output
// is used (the standard distributions differ between libraries).
class RandomInput {
public:
    explicit RandomInput(std::uint64_t seed) : generator(seed) {}

    // Sends this frame's events (none to a few) to the proxy.
    void sendFrame(WorldProxy &proxy);

private:
    // A whole number in [0, count).
    int below(int count) { return int(generator() % std::uint64_t(count)); }
    // A whole number in [low, high].
    int between(int low, int high) { return low + below(high - low + 1); }
    void sendEvent(WorldProxy &proxy);

    std::mt19937_64 generator;
};

// Describes the first actor position, or camera value, that is not finite in
// the current world; empty when all are finite.
std::string firstNonFiniteValue();
