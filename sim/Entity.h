#pragma once
#include <Inventor/SbVec3f.h>
#include <string>

class ActorVisitor;

// Everything in a level that moves by itself: the hero, the Vavodi, the
// boulders and the camera. The level and the level geometry drive every
// actor through the virtual operations below without knowing its
// class. Distances are world units, one move() is one step of the frame
// timer, and every speed is a distance per step.
//
// A rectangle is handed over as a corner, two full edge vectors (their
// lengths are the side lengths) and the unit normal of its front face; its
// points are corner + s*edgeA + t*edgeB for s, t in [0, 1].
class Entity {
public:
    Entity();
    Entity(float x, float y, float z);
    explicit Entity(SbVec3f point);
    virtual ~Entity() = default;

    // Slot order matters to nobody at run time, but it is kept as the
    // game's interface lists it.
    virtual void reset() = 0;
    virtual bool collidesWithQuad(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB,
                                  SbVec3f normal) = 0;
    virtual void resolveQuadCollision(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB,
                                      SbVec3f normal) = 0;
    virtual bool collidesWithSphere(SbVec3f centre, float radius) = 0;
    virtual void resolveSphereCollision(SbVec3f centre, float radius) = 0;
    virtual bool collidesWith(Entity &other) = 0;
    virtual void resolveCollisionWith(Entity &other) = 0;
    virtual void move() = 0;
    virtual bool isPlayer() const = 0;
    virtual void kill() = 0;

    // The end of a step, once every actor and boundary has moved and every
    // collision is resolved: what the step settles from where things came
    // to rest (an idle figure's pose, the hero's restart after his death
    // spin, the Didud's spin and vanishing). Drawing reads state and changes
    // none of it.
    virtual void finishStep() {}
    // Hands the actor, as its own class, to whoever draws it; an actor
    // without an appearance hands nothing.
    virtual void accept(ActorVisitor &) const {}

    SbVec3f getPosition() const { return position; }
    // Both forms set the position and the next position.
    void setPosition(float x, float y, float z);
    SbVec3f setPosition(SbVec3f point);
    SbVec3f getNextPosition() const { return nextPosition; }
    void setNextPosition(SbVec3f point) { nextPosition = point; }
    SbVec3f getPreviousPosition() const { return previousPosition; }
    void savePreviousPosition() { previousPosition = position; }
    void commitNextPosition() { position = nextPosition; }

    // Solves origin + s*a + t*b + u*c = p and returns (s, t, u). A singular
    // system gives non-finite values, which fail every caller's range test.
    static SbVec3f solveFrame(SbVec3f origin, SbVec3f a, SbVec3f b, SbVec3f c, SbVec3f p);

    // Modal warning box captioned "An Error occured".
    static void showError(const std::string &text);

protected:
    // The rectangle test shared by the walking figures (hero and Didud):
    // the actor reaches 1.0 towards the face along its normal whatever its
    // sphere radius, and a hit point more than 2.0 from the new position
    // crushes it (kill) although the contact is still reported.
    bool sweptQuadContact(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB, SbVec3f normal);
    // The ray from the previous position along the sweep, cut short at the
    // sweep's length: does it meet the rectangle (borders included)? On a
    // hit, `hit` is the point on the rectangle. A zero sweep never hits.
    bool sweepMeetsQuad(SbVec3f sweep, SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB, SbVec3f &hit) const;
    // Puts the actor exactly 1.0 in front of the face, on the normal through
    // its current position.
    void restInFrontOfQuad(SbVec3f corner, SbVec3f edgeA, SbVec3f edgeB, SbVec3f normal);

    // Sphere contact with another actor: touching counts (<=).
    bool spheresTouch(SbVec3f centre, float radius, float ownRadius) const;
    // Pushes this actor away from centre until the spheres just touch. With
    // both centres equal there is no direction: the actor lands on centre.
    void pushOutOfSphere(SbVec3f centre, float radius, float ownRadius);

    SbVec3f startPosition;
    SbVec3f position;
    SbVec3f previousPosition;
    SbVec3f nextPosition;
};
