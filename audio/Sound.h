#pragma once
#include "sim/SoundCues.h"

#include <memory>
#include <string>

// The two sound effects of one owner (hero, Didud, high-score screen):
// source i plays buffer i, loaded once from a file when the owner is set
// up. No positional audio, no stopping; starting a source that still plays
// restarts it from the beginning.
struct Sound : SoundCues {
    unsigned int sources[2] = {0, 0};
    unsigned int buffers[2] = {0, 0};

    Sound() = default;
    Sound(const Sound &) = delete;
    Sound &operator=(const Sound &) = delete;
    // The game never frees its sounds; an owner that is destroyed anyway
    // (tests, tools) gives its sources and buffers back.
    ~Sound() override;

    // Loads the two files (game paths with backslashes) and binds them to
    // two new sources. A missing or unreadable file gets no warning box: it
    // is named on standard error, its buffer stays 0 and that sound is
    // silent. An empty name loads nothing. Failing to generate the sources
    // is reported through the warning box when reportErrors is set (once a
    // run), and the owner goes on without sound. Without an audio device
    // nothing is set up (AudioDevice.h).
    void setUp(const std::string &firstFile, const std::string &secondFile,
               bool reportErrors = true);

    // Starts source i (0 or 1) from the beginning; other values do nothing.
    void play(int i) const override;
};

// An owner's two sounds set up from their files, for the registry's sound
// maker (GameRegistry::setSoundMaker).
std::unique_ptr<const SoundCues> makeSoundCues(const std::string &firstFile, const std::string &secondFile,
                                               bool reportErrors);
