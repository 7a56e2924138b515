// The window's fixed-step schedule: wall-clock time in, steps out, with the
// remainder carried to the next repaint and a cap per repaint.
#include "app/FrameSchedule.h"

#include <gtest/gtest.h>

using namespace FrameSchedule;

namespace {
struct ScheduleRow {
    const char *name;
    std::int64_t elapsedUs;
    std::int64_t carryUs;
    bool pictureLost;
    int steps;
    std::int64_t carryAfterUs;
};

const ScheduleRow kRows[] = {
    {"on time", 20000, 0, false, 1, 0},
    {"the first repaint (carry of one step)", 0, kStepUs, false, 1, 0},
    {"a little early still steps, borrowing", 19000, 0, false, 1, -1000},
    {"too early: no step, all carried", 17000, 0, false, 0, 17000},
    {"the carry completes a step", 5000, 15000, false, 1, 0},
    {"a slow repaint: two steps, the rest carried", 45000, 0, false, 2, 5000},
    {"a slow repaint and its carry: three steps", 45000, 15000, false, 3, 0},
    {"at the cap", 100000, 0, false, kMaxStepsPerRepaint, 0},
    {"a stall: capped, the backlog dropped", 1000000, 7000, false, kMaxStepsPerRepaint, 0},
    {"a lost picture borrows a step", 3000, 0, true, 1, 3000 - kStepUs},
    {"a lost picture takes only the steps due", 45000, 0, true, 2, 5000},
    {"a borrowed step is paid back", 20000, -kStepUs, false, 0, 0},
    {"a clock going backwards counts as no time", -5000, 3000, false, 0, 3000},
};
} // namespace

TEST(FrameSchedule, StepsAndCarryPerRepaint)
{
    for (const ScheduleRow &row : kRows) {
        SCOPED_TRACE(row.name);
        const StepsDue due = stepsDue(row.elapsedUs, row.carryUs, row.pictureLost);
        EXPECT_EQ(due.steps, row.steps);
        EXPECT_EQ(due.carryUs, row.carryAfterUs);
    }
}

TEST(FrameSchedule, OverManyRepaintsTheStepsFollowTheWallClock)
{
    struct Rate {
        const char *name;
        std::int64_t intervalUs;
        std::int64_t jitterUs; // added and taken away on alternate repaints
        int repaints;
        int steps;
        bool everyRepaintSteps;
    };
    const Rate rates[] = {
        {"50 Hz with jitter: one step every repaint", 20000, 900, 500, 500, true},
        {"60 Hz: 50 steps a second", 16667, 0, 600, 500, false},
        {"22 Hz (45 ms repaints): 50 steps a second", 45000, 0, 222, 498, true},
    };
    for (const Rate &rate : rates) {
        SCOPED_TRACE(rate.name);
        std::int64_t carry = kStepUs;
        int steps = 0;
        bool everyRepaintStepped = true;
        for (int i = 0; i < rate.repaints; ++i) {
            const std::int64_t jitter = i % 2 ? rate.jitterUs : -rate.jitterUs;
            const StepsDue due = stepsDue(i == 0 ? 0 : rate.intervalUs + jitter, carry, i == 0);
            carry = due.carryUs;
            steps += due.steps;
            everyRepaintStepped = everyRepaintStepped && due.steps > 0;
        }
        EXPECT_NEAR(steps, rate.steps, 1);
        if (rate.everyRepaintSteps) {
            EXPECT_TRUE(everyRepaintStepped);
        }
    }
}
