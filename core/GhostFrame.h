#pragma once
#include <Inventor/SbVec3f.h>

// The hero's state in one step of an attempt at a level: what a ghost
// needs to draw the figure in that step's pose.
struct GhostFrame {
    SbVec3f position;      // world units
    float heading;         // degrees
    float swing;           // limb swing, degrees
    float walkSpeed;       // world units per step
    float spinAngle;       // degrees (death spin)
    float flicker;         // the torch's flicker factor
    bool walking, running, onGround, inAir, blinking, dead;
    bool forwardKey, backKey, leftKey, rightKey;
};
