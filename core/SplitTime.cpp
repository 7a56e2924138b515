#include "core/SplitTime.h"

#include "core/FrameSchedule.h"

#include <algorithm>
#include <cstdio>

namespace SplitTime {

namespace {
constexpr Steps kHundredthsPerStep = FrameSchedule::kStepMs / 10;
constexpr Steps kHundredthsPerSecond = 100;
constexpr Steps kSecondsPerMinute = 60;
// "999:59.98" and its NUL, with room to spare.
constexpr std::size_t kTextBytes = 16;

Steps clamped(Steps steps) { return std::clamp<Steps>(steps, 0, kMaxSteps); }

// |time − best| without overflow, for any two counts.
Steps distance(Steps time, Steps best)
{
    const Steps a = clamped(time);
    const Steps b = clamped(best);
    return a > b ? a - b : b - a;
}
} // namespace

std::string format(Steps steps)
{
    const Steps hundredths = clamped(steps) * kHundredthsPerStep;
    const Steps seconds = hundredths / kHundredthsPerSecond;
    char text[kTextBytes];
    std::snprintf(text, sizeof text, "%lld:%02lld.%02lld", static_cast<long long>(seconds / kSecondsPerMinute),
                  static_cast<long long>(seconds % kSecondsPerMinute),
                  static_cast<long long>(hundredths % kHundredthsPerSecond));
    return text;
}

Pace compare(Steps time, std::optional<Steps> best)
{
    if (!best)
        return Pace::NoBest;
    if (clamped(time) < clamped(*best))
        return Pace::Faster;
    return clamped(time) > clamped(*best) ? Pace::Slower : Pace::Tie;
}

std::string formatDifference(Steps time, std::optional<Steps> best)
{
    if (!best)
        return {};
    const char sign = compare(time, best) == Pace::Faster ? '-' : '+';
    return sign + format(distance(time, *best));
}

} // namespace SplitTime
