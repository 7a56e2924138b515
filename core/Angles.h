#pragma once
// Angles are kept in degrees and turned into radians only where a formula
// needs them.
namespace Angles {
constexpr float kPi = 3.14159265358979323846f;
constexpr float kRadiansPerDegree = kPi / 180.0f;
constexpr float kDegreesPerRadian = 180.0f / kPi;
constexpr float kFullTurn = 360.0f;
} // namespace Angles
