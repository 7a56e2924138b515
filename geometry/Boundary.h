#pragma once
#include "world/World.h"

#include <Inventor/SbVec3f.h>
#include <vector>

class Entity;

// A piece of level geometry: flat rectangles (strictly, parallelograms
// spanned by two edges from one corner) that are drawn and that actors
// collide with. A boundary is the geometric half of a double dispatch: it
// hands its rectangle (corner, full edge A, full edge B, unit normal) to
// the actor's collidesWithQuad / resolveQuadCollision, and the actor class
// decides how it hits. Boundaries choose the rectangle, the normal and any
// extra effect on contact.
class Boundary {
public:
    Boundary();
    explicit Boundary(SbVec3f anchor);
    virtual ~Boundary() = default;

    // Slot 0: what is not in the level's display list (per frame).
    virtual void draw() = 0;
    // Slot 1: the permanent appearance, recorded once into the display list.
    virtual void drawStatic() = 0;
    // Slot 2: hook run once after the level is assembled.
    virtual void prepare() = 0;
    virtual bool testCollision(Entity *actor) = 0;
    // Only right after testCollision returned true for the same actor.
    virtual void resolveCollision(Entity *actor) = 0;
    // Appends index to every grid cell the piece passes through; sizeX,
    // sizeY, sizeZ are the level's extents in whole world units.
    virtual void addToGrid(unsigned int sizeX, unsigned int sizeY, unsigned int sizeZ,
                           SpatialGrid &grid, int index) = 0;

    void enableOutline() { outlinePass = true; }
    void disableOutline() { outlinePass = false; }
    bool isOutlinePass() const { return outlinePass; }
    // The anchor corner (for moving pieces, the current position).
    SbVec3f getPosition() const { return points[0]; }
    // How far a point is from the piece; it orders the drawing of the
    // static pieces near to far. Here the distance to the anchor.
    virtual float distanceTo(SbVec3f point) const { return (point - getPosition()).length(); }

protected:
    // Unit edges from three corners: edge 0 = corner1 - corner0, edge 1 =
    // corner2 - corner0, edge 2 = corner2 - corner1, with their lengths (a
    // zero edge stays zero with length 0), and the front normal
    // -(edge 0 x edge 1), normalised, without negative zeros.
    static void spanRectangle(SbVec3f corner0, SbVec3f corner1, SbVec3f corner2,
                              SbVec3f edges[3], float lengths[3], SbVec3f &normal);

    // Front-face winding for a rectangle emitted as corner 0, corner 1,
    // fourth corner, corner 2: clockwise makes the normal's side the front;
    // a flipped piece uses counter-clockwise. restoreWinding goes back to
    // the game's default, counter-clockwise.
    static void setFrontWinding(bool flipped);
    static void restoreWinding();

    // Registers index in the cells of a lattice of sample points one cell
    // apart along both edges (full edge vectors), from anchor. With
    // farEdges the rows at the far edges are sampled too (i <= n),
    // otherwise only i < n. Sample points outside the grid are skipped.
    static void sampleIntoGrid(SbVec3f anchor, SbVec3f edgeA, SbVec3f edgeB,
                               unsigned int sizeX, unsigned int sizeY, unsigned int sizeZ,
                               SpatialGrid &grid, int index, bool farEdges);

    // Element 0 is the anchor corner; derived pieces append their corners.
    std::vector<SbVec3f> points;
    bool outlinePass = false;
    // GL name of "clear.bmp", set by the pieces that draw textures; bound
    // after each textured drawing so that no texture stays bound.
    unsigned int clearTexture = 0;
};
