#pragma once
#include "core/FrameSchedule.h"
#include "core/GhostFrame.h"

#include <cstddef>
#include <vector>

// A ghost: the hero's state in every step of one attempt at a level, from
// entering it to touching its exit (lost lives included, like the split),
// so that step k of a replay shows the figure as it was k steps into the
// attempt.
class GhostTrack {
public:
    // Thirty minutes of steps: a longer attempt is no one's best, and the
    // bound keeps a ghost file under 3.1 MB.
    static constexpr std::size_t kMaxFrames = std::size_t(30) * 60 * FrameSchedule::kStepsPerSecond;

    // Appends the next step's state. Beyond kMaxFrames the frame is dropped
    // and the track marked cut: false.
    bool append(const GhostFrame &frame);

    // The state `step` steps into the attempt; past the end the figure
    // keeps its last state (it stands at the exit). The track must not be
    // empty.
    const GhostFrame &at(std::size_t step) const;

    std::size_t size() const { return m_frames.size(); }
    bool empty() const { return m_frames.empty(); }
    // Whether steps were dropped: such a ghost stops short of the exit and
    // is not worth keeping.
    bool cut() const { return m_cut; }
    const std::vector<GhostFrame> &frames() const { return m_frames; }

    // Empty and uncut, for the next attempt.
    void clear();

private:
    std::vector<GhostFrame> m_frames;
    bool m_cut = false;
};
