#pragma once
#include "sim/MovingBoundary.h"

#include <Inventor/SbVec3f.h>
#include <Inventor/SbVec4f.h>
#include <array>

// One moving rectangle: corner 0 follows the path cyclically at `speed`
// world units per tick and the rest of the rectangle comes along (the
// other corners are recomputed from edges and lengths, as for Surface).
// An actor standing on it is carried by tilting the normal it reports
// towards the direction of travel.
class MovingSurface : public MovingBoundary {
public:
    MovingSurface(SbVec3f corner0, SbVec3f corner1, SbVec3f corner2, Waypoints waypoints,
                  float speed);

    // Turns the front side round.
    void flip();
    // A texture index of the registry's list (not a GL name).
    void setTexture(unsigned int textureIndex);
    void setColor(float r, float g, float b, float a);

    // Drawn every frame: the whole face with one copy of the texture.
    void accept(BoundaryVisitor &visitor) const override;
    void prepare() override {}
    bool testCollision(Entity *actor) override;
    // Hands the actor the normal tilted by twice this tick's step, so that
    // it is pushed along with the face.
    void resolveCollision(Entity *actor) override;
    void reset() override;
    void move() override;

    SbVec3f getNormal() const { return normal; }
    // Full edge vectors as handed to actors.
    SbVec3f edgeVectorA() const { return edges[0] * edgeLengths[0]; }
    SbVec3f edgeVectorB() const { return edges[1] * edgeLengths[1]; }
    SbVec3f getDirection() const { return direction; }
    float getRemaining() const { return remaining; }
    int getTargetIndex() const { return targetIndex; }
    SbVec4f getColor() const { return color; }
    bool isTextured() const { return hasTexture; }
    bool isFlipped() const { return flipped; }
    // Texture indices: the face's own, and the one bound after it.
    unsigned int getTexture() const { return texture; }
    unsigned int getClearTexture() const { return clearTexture; }
    // Corner 0 (the current position), corner 1, the fourth corner and
    // corner 2, the order the face is drawn in.
    std::array<SbVec3f, 4> outline() const;

private:
    // Aims at path[targetIndex] from the current position.
    void aimAtTarget(float tolerance);
    // The normal reported to an actor in contact this tick.
    SbVec3f carryingNormal() const;

    int targetIndex = 0;
    float remaining = 0.0f;
    // Unit direction of travel; shorter than unit length on the last short
    // step before a waypoint (see aimAtTarget).
    SbVec3f direction{0.0f, 0.0f, 0.0f};
    SbVec3f edges[3];
    bool flipped = false;
    SbVec3f normal;
    SbVec4f color{1.0f, 1.0f, 1.0f, 1.0f};
    bool hasTexture = false;
    unsigned int texture = 0;
    unsigned int clearTexture = 0;
    float edgeLengths[3];
};
