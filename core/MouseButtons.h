#pragma once
// Mouse buttons as the worlds, the input scripts and recordings number
// them (Qt's values for the two).
namespace MouseButtons {
constexpr int kLeft = 1;
constexpr int kRight = 2;
} // namespace MouseButtons
