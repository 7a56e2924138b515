#pragma once
// The sounds of one owner (a figure: 0 its jump, 1 its death), as the
// simulation asks for them. The audio side plays them; without it nothing
// is heard and nothing else changes.
class SoundCues {
public:
    virtual ~SoundCues() = default;
    // Starts sound `cue` from its beginning; an unknown cue does nothing.
    virtual void play(int cue) const = 0;
};
