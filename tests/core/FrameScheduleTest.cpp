// The window's two clocks: the fixed-step schedule (wall-clock time in,
// steps out, with the remainder carried to the next repaint and a cap per
// repaint) and the play clock of whole seconds.
#include "core/FrameSchedule.h"
#include "core/PlayClock.h"

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
    {"the first repaint (carry of one step)", 0, kStepUs, false, 1, 0},
    {"up to 2 ms early still steps, borrowing", 18000, 0, false, 1, -2000},
    {"more than 2 ms early: no step, all carried", 17999, 0, false, 0, 17999},
    {"a slow repaint: two steps, the rest carried", 45000, 0, false, 2, 5000},
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

TEST(PlayClock, StopsAtTheLastSecondOfTheDayAndNeverRunsBackwards)
{
    struct Row {
        const char *name;
        QTime from;
        long long seconds;
        QTime to;
    };
    const Row rows[] = {
        {"past ten hours", QTime(9, 59, 59), 2, QTime(10, 0, 1)},
        {"up to midnight", QTime(23, 59, 50), 20, QTime(23, 59, 59)},
        {"more seconds than an int holds", QTime(1, 0, 0), 1LL << 40, QTime(23, 59, 59)},
        {"wall clock set back", QTime(1, 0, 0), -30, QTime(1, 0, 0)},
    };
    for (const Row &row : rows)
        EXPECT_EQ(PlayClock::advance(row.from, row.seconds), row.to) << row.name;
}
