#pragma once
#include "core/FigurePose.h"

// The hero's state in one step of an attempt at a level: his pose, which
// is all a ghost needs to draw the figure as it was in that step.
using GhostFrame = FigurePose;
