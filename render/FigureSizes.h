#pragma once
// The walking figures' and the torch's dimensions, world units: the shapes
// are made at these sizes and the figure is put together by them.
namespace FigureSizes {
constexpr float kBodyRadius = 0.3f;
constexpr float kBodyHeight = 0.6f;
constexpr float kHandRadius = 0.05f;
constexpr float kHeadRadius = 0.5f;
constexpr float kTorchRadius = 0.075f;
constexpr float kTorchLength = 0.3f;
// The figure's centre sits kHipDrop above its hips; the shoulders sit
// kShoulderDrop below the top of the body.
constexpr float kHipDrop = 0.6f;
constexpr float kShoulderDrop = 0.05f;
} // namespace FigureSizes
