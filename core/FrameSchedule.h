#pragma once
#include <cstdint>

// How the game window turns wall-clock time into simulation steps. The game
// runs 50 steps per wall-clock second whatever the repaint rate: each
// repaint runs the steps that the time since the previous repaint (plus
// what was left over then) pays for, then draws once.
namespace FrameSchedule {
// The game's one step rate: every speed, delay and animation is counted in
// these steps, and the window's timer ticks once a step.
constexpr int kStepsPerSecond = 50;
// Length of one simulation step, microseconds and milliseconds.
constexpr std::int64_t kStepUs = 1000000 / kStepsPerSecond;
constexpr int kStepMs = 1000 / kStepsPerSecond;
// Most steps one repaint may run (100 ms of game time). Time beyond that is
// dropped: a machine that cannot keep up slows the game down rather than
// falling further and further behind.
constexpr int kMaxStepsPerRepaint = 5;
// A repaint that comes up to this much too early still takes its step,
// microseconds. Timer and paint jitter would otherwise make a steady 50 Hz
// window alternate between zero and two steps; the early time is borrowed
// from the next repaint (the carry goes negative by at most this much).
constexpr std::int64_t kEarlyToleranceUs = 2000;
} // namespace FrameSchedule

struct StepsDue {
    int steps;
    // Time owed to the next repaint, microseconds; may be negative.
    std::int64_t carryUs;
};

// elapsedUs: wall-clock time since the previous repaint (a negative value
// counts as 0); carryUs: the carry the previous call returned. pictureLost:
// the window has nothing to show (its buffer was recreated), so at least one
// step is taken, borrowed from the time to come.
StepsDue stepsDue(std::int64_t elapsedUs, std::int64_t carryUs, bool pictureLost);
