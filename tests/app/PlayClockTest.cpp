#include "app/PlayClock.h"

#include <gtest/gtest.h>

TEST(PlayClock, StopsAtTheLastSecondOfTheDayAndNeverRunsBackwards)
{
    struct Row {
        const char *name;
        QTime from;
        long long seconds;
        QTime to;
    };
    const Row rows[] = {
        {"a tick", QTime(0, 0, 0), 1, QTime(0, 0, 1)},
        {"past ten hours", QTime(9, 59, 59), 2, QTime(10, 0, 1)},
        {"up to midnight", QTime(23, 59, 50), 20, QTime(23, 59, 59)},
        {"stays there", QTime(23, 59, 59), 3600, QTime(23, 59, 59)},
        {"a day and more at once", QTime(0, 0, 0), 90000, QTime(23, 59, 59)},
        {"more seconds than an int holds", QTime(1, 0, 0), 1LL << 40, QTime(23, 59, 59)},
        {"wall clock set back", QTime(1, 0, 0), -30, QTime(1, 0, 0)},
    };
    for (const Row &row : rows)
        EXPECT_EQ(PlayClock::advance(row.from, row.seconds), row.to) << row.name;
}
