#include "app/TurnScaler.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
// The sums' unit: thousandths of a degree.
constexpr double kUnitsPerDegree = 1000.0;
constexpr long long kStepUnits = static_cast<long long>(TurnScaler::kLevelStepDegrees * kUnitsPerDegree);

int sign(long long value) { return (value > 0) - (value < 0); }

// Adds one move's turn to the carried sum and takes out the whole level
// events in it, signed.
int wholeSteps(long long &carry, int direction, long long units)
{
    carry += direction * units;
    const long long steps = carry / kStepUnits; // towards zero: the rest keeps its sign
    carry -= steps * kStepUnits;
    return int(steps);
}
} // namespace

std::vector<TurnScaler::Step> TurnScaler::move(int dx, int dy, double degrees, bool invertPitch)
{
    const long long units = std::llround(degrees * kUnitsPerDegree);
    const int stepsX = wholeSteps(carryX, sign(dx), units);
    const int stepsY = wholeSteps(carryY, invertPitch ? -sign(dy) : sign(dy), units);
    std::vector<Step> steps;
    const int count = std::max(std::abs(stepsX), std::abs(stepsY));
    for (int i = 0; i < count; ++i)
        steps.push_back({i < std::abs(stepsX) ? sign(stepsX) : 0, i < std::abs(stepsY) ? sign(stepsY) : 0});
    return steps;
}
