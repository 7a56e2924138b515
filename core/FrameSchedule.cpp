#include "core/FrameSchedule.h"

using namespace FrameSchedule;

StepsDue stepsDue(std::int64_t elapsedUs, std::int64_t carryUs, bool pictureLost)
{
    const std::int64_t owed = carryUs + (elapsedUs > 0 ? elapsedUs : 0);
    const std::int64_t payable = owed + kEarlyToleranceUs;
    std::int64_t steps = payable > 0 ? payable / kStepUs : 0;
    if (steps == 0 && pictureLost)
        steps = 1;
    if (steps > kMaxStepsPerRepaint)
        return {kMaxStepsPerRepaint, 0};
    return {int(steps), owed - steps * kStepUs};
}
