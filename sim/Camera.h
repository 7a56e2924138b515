#pragma once
#include "sim/Entity.h"

#include <Inventor/SbMatrix.h>

class Player;

// Follows the hero from behind and above. Heading and pitch (degrees) are
// turned by the mouse, the wanted distance by the wheel; the actual
// distance is pulled in when level geometry cuts the sight line and drifts
// back out by 0.2 per step. Below 2.0 the view is first person and the hero
// is not drawn.
//
// The camera's own position (set by move) only serves the sight-line
// tests: it lies on the far side of the hero from the eye. The view itself
// is built from the hero's position, the two angles and actualDistance.
class Camera : public Entity {
public:
    Camera();
    explicit Camera(Player *hero);

    void setDistance(float distance);
    float getDistance() const { return actualDistance; }
    float getDesiredDistance() const { return desiredDistance; }
    // Takes p only while the pitch lies strictly inside (-90, 90); then a
    // pitch at or beyond +-90 is moved 0.5 back towards the inside.
    void setPitch(float degrees);
    float getPitch() const { return pitch; }
    // The point the view turns about, above the hero's centre, world units.
    static constexpr float kPivotHeight = 0.5f;
    void pitchBy(float degrees) { setPitch(getPitch() + degrees); }
    // Headings of 360 or more in size fall back to 0.
    void setHeading(float degrees);
    float getHeading() const { return heading; }
    void turnBy(float degrees) { setHeading(getHeading() + degrees); }

    void reset() override;
    // Sight line: does the face cut the line from the hero to this camera?
    bool collidesWithQuad(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB, SbVec3f normal) override;
    void resolveQuadCollision(SbVec3f, SbVec3f, SbVec3f, SbVec3f) override {}
    bool collidesWithSphere(SbVec3f centre, float radius) override;
    void resolveSphereCollision(SbVec3f, float) override {}
    bool collidesWith(Entity &other) override;
    void resolveCollisionWith(Entity &other) override;
    void move() override;
    // Tells the hero whether it is seen (first person hides it).
    void finishStep() override;
    bool isPlayer() const override { return false; }
    void kill() override {}
    // Where the hero is (the origin without one).
    SbVec3f heroPosition() const;

private:
    static constexpr float kRadius = 0.0f;

    void placeProvisionally();

    SbMatrix headingMatrix;
    SbMatrix pitchMatrix;
    SbMatrix offsetMatrix;
    float actualDistance = 5.0f;
    float desiredDistance = 5.0f;
    float pitch = 0.0f;
    float heading = 0.0f;
    Player *player = nullptr;
};
