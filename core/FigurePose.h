#pragma once
#include <Inventor/SbVec3f.h>

// What a walking figure looks like at the end of a step: everything its
// drawing reads, and nothing it does not. The hero and the Didud hand out
// theirs each step; a ghost is a run of them, one a step.
struct FigurePose {
    SbVec3f position{0.0f, 0.0f, 0.0f}; // world units
    float heading = 0.0f;               // degrees
    float swing = 0.0f;                 // limb swing, degrees
    float walkSpeed = 0.0f;             // world units per step
    float spinAngle = 0.0f;             // degrees, the death spin
    float flicker = 1.0f;               // the torch's flicker factor
    bool walking = false;
    bool running = false;
    bool onGround = false;
    bool inAir = false;
    bool blinking = false;
    bool dead = false;
    // The directions held (a Didud only ever walks forward).
    bool forwardKey = false;
    bool backKey = false;
    bool leftKey = false;
    bool rightKey = false;
};
