#pragma once
#include "sim/Entity.h"

// A textured ball that falls under the level's gravity and rolls down the
// faces it lands on. A deadly boulder (the default) kills every actor it
// touches; a harmless one only pushes it away. Killed itself (a fall below
// y = 0, a hazardous surface), it starts again from its start point, so a
// boulder rolls down the same track over and over.
//
// Distances are world units, velocities world units per step, angles
// degrees.
class Boulder : public Entity {
public:
    Boulder();
    Boulder(SbVec3f position, float radius);

    void makeHarmless() { deadly = false; }
    bool isDeadly() const { return deadly; }
    float getRadius() const { return radius; }
    SbVec3f getVelocity() const { return velocity; }
    // The rolling ball's turn about z and about x, degrees.
    float getRollZ() const { return rollZ; }
    float getRollX() const { return rollX; }
    // Texture indices: the ball's own and the one bound after it.
    unsigned int getTexture() const { return texture; }
    unsigned int getClearTexture() const { return clearTexture; }

    void reset() override;
    // Like the walking figures' test, but reaching the ball's radius, from
    // either side of the face, and never crushing.
    bool collidesWithQuad(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB, SbVec3f normal) override;
    // Rests the ball on the face and keeps the step's displacement as its
    // velocity (halved, or dropped on a new face, for a harmless ball).
    void resolveQuadCollision(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB,
                              SbVec3f normal) override;
    bool collidesWithSphere(SbVec3f centre, float otherRadius) override;
    void resolveSphereCollision(SbVec3f centre, float otherRadius) override;
    bool collidesWith(Entity &other) override;
    void resolveCollisionWith(Entity &other) override;
    void move() override;
    void accept(ActorVisitor &visitor) const override;
    bool isPlayer() const override { return false; }
    // A boulder does not die: it starts over.
    void kill() override { reset(); }

private:
    unsigned int clearTexture = 0;
    float radius; // fixed for the ball's life: its sphere is recorded once
    SbVec3f velocity{0.0f, 0.0f, 0.0f};
    SbVec3f gravity;
    // Normal of the face last reported by collidesWithQuad.
    SbVec3f lastNormal{0.0f, 0.0f, 0.0f};
    unsigned int texture = 0;
    float rollZ = 0.0f;
    float rollX = 0.0f;
    bool deadly = true;
};
