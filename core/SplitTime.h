#pragma once
#include <cstdint>
#include <optional>
#include <string>

// Level splits and run totals, counted in simulation steps (20 ms each, so
// a time is always a whole number of steps) and shown as m:ss.cc: minutes
// unpadded, then two-digit seconds and hundredths ("0:21.40"). A step is
// two hundredths, so the hundredths shown are always even.
namespace SplitTime {

using Steps = std::int64_t;

// The longest time shown, one step short of 1000 minutes ("999:59.98"). A
// level takes minutes and a run under an hour; anything longer, or below
// zero, is a damaged count and is shown clamped to 0 .. kMaxSteps, so the
// text never grows past nine characters.
constexpr Steps kMaxSteps = 2999999;

// "m:ss.cc" of a step count, clamped as above.
std::string format(Steps steps);

// How a time stands against the best one: NoBest on the first time there is.
// A tie is not faster: the older best keeps its place.
enum class Pace { Faster, Slower, Tie, NoBest };
Pace compare(Steps time, std::optional<Steps> best);

// The signed difference time − best, "+0:01.24" (slower) or "-0:03.10"
// (faster), with an ASCII minus: the overlay's bitmap font has no other. A
// tie reads "+0:00.00": no time lost, and not an improvement (Pace::Tie
// tells the overlay to draw it neither green nor red). The amount is
// clamped to kMaxSteps like format's. Empty when there is no best.
std::string formatDifference(Steps time, std::optional<Steps> best);

} // namespace SplitTime
