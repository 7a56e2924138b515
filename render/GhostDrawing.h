#pragma once
#include "render/FigureDrawing.h"

class FigureShapes;

// A ghost: the hero's figure in a recorded pose, see-through, drawn after
// the opaque scene (which it neither hides nor changes: the depth of the
// scene and the lights are as they were). Only the ghost's nearest surface
// shows, so it reads as one pale figure rather than a tangle of limbs.
void drawGhost(const FigurePose &pose, const FigureDrawing::Looks &looks, unsigned int happyHead,
               FigureShapes &shapes, bool gravityUp);
