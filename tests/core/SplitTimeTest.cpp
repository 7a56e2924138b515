// Splits as the overlay shows them: the m:ss.cc text, the signed
// difference to the best and how it colours, for sound and absurd counts.
#include "core/SplitTime.h"

#include <gtest/gtest.h>

#include <limits>

using namespace SplitTime;

constexpr Steps kLowest = std::numeric_limits<Steps>::min();
constexpr Steps kHighest = std::numeric_limits<Steps>::max();

TEST(SplitTime, FormatsStepsAsMinutesSecondsAndHundredths)
{
    const struct {
        Steps steps;
        const char *text;
    } rows[] = {
        {0, "0:00.00"},     {1, "0:00.02"},       {49, "0:00.98"},   {1070, "0:21.40"},
        {2999, "0:59.98"},  {3000, "1:00.00"},    {30050, "10:01.00"}, {kMaxSteps, "999:59.98"},
        // Damaged counts are clamped, never overflow or grow the text.
        {kMaxSteps + 1, "999:59.98"}, {kHighest, "999:59.98"}, {-1, "0:00.00"}, {kLowest, "0:00.00"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(format(row.steps), row.text) << row.steps;
}

TEST(SplitTime, DifferencesAgainstTheBest)
{
    const struct {
        Steps time;
        std::optional<Steps> best;
        const char *text;
        Pace pace;
    } rows[] = {
        {1132, 1070, "+0:01.24", Pace::Slower},
        {1000, 1155, "-0:03.10", Pace::Faster},
        {1070, 1070, "+0:00.00", Pace::Tie},
        {1070, std::nullopt, "", Pace::NoBest}, // the first time there is
        {4000, 1000, "+1:00.00", Pace::Slower},
        {0, kMaxSteps, "-999:59.98", Pace::Faster},
        {kHighest, kLowest, "+999:59.98", Pace::Slower}, // no overflow
        {kHighest, kMaxSteps, "+0:00.00", Pace::Tie},    // clamped alike
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(formatDifference(row.time, row.best), row.text);
        EXPECT_EQ(compare(row.time, row.best), row.pace);
    }
}
