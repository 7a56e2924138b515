#pragma once
#include "sim/SpatialGrid.h"

#include <Inventor/SbVec3f.h>
#include <vector>

class Entity;
class BoundaryVisitor;

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

    // Hands the piece, as its own class, to whoever draws it; a piece
    // without an appearance hands nothing.
    virtual void accept(BoundaryVisitor &) const {}
    // Hook run once after the level is assembled.
    virtual void prepare() = 0;
    virtual bool testCollision(Entity *actor) = 0;
    // Only right after testCollision returned true for the same actor.
    virtual void resolveCollision(Entity *actor) = 0;
    // Appends index to every grid cell the piece passes through; sizeX,
    // sizeY, sizeZ are the level's extents in whole world units.
    virtual void addToGrid(unsigned int sizeX, unsigned int sizeY, unsigned int sizeZ,
                           SpatialGrid &grid, int index) = 0;

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

    // Registers index in the cells of a lattice of sample points one cell
    // apart along both edges (full edge vectors), from anchor. With
    // farEdges the rows at the far edges are sampled too (i <= n),
    // otherwise only i < n. Sample points outside the grid are skipped.
    static void sampleIntoGrid(SbVec3f anchor, SbVec3f edgeA, SbVec3f edgeB,
                               unsigned int sizeX, unsigned int sizeY, unsigned int sizeZ,
                               SpatialGrid &grid, int index, bool farEdges);

    // Element 0 is the anchor corner; derived pieces append their corners.
    std::vector<SbVec3f> points;
};
