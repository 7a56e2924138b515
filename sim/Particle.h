#pragma once
#include <Inventor/SbVec3f.h>

// Base of small effect objects that a world moves apart from its actors.
// No particle kind exists yet and no code creates particles; the class and
// the world's particle list are the hooks for adding effects. A kind brings
// its drawing to the level's painter along with it.
class Particle {
public:
    Particle() = default;
    Particle(float x, float y, float z, int value) : position(x, y, z), value(value) {}
    Particle(SbVec3f point, int value) : position(point), value(value) {}
    virtual ~Particle() = default;

    SbVec3f getPosition() const { return position; }

    virtual void move() = 0;

protected:
    SbVec3f position{0.0f, 0.0f, 0.0f};
    // Free for the particle kind, for example a velocity; not set by the
    // constructors beyond zero.
    SbVec3f motion{0.0f, 0.0f, 0.0f};
    // Meaning chosen by the particle kind.
    int value = 0;
};
