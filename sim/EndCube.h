#pragma once
#include "sim/Boundary.h"

#include <Inventor/SbVec3f.h>

// The exit of a level: despite its name a single upright square, two units
// wide and high, in the plane z = p.z from (p.x, p.y) to (p.x + 2, p.y + 2),
// drawn as a translucent red pane seen from both sides. When the player
// touches it the game goes on to the next world; other actors pass it by.
class EndCube : public Boundary {
public:
    // p is the lower corner with the smallest x, usually on a floor.
    explicit EndCube(SbVec3f p);

    // Drawn as a translucent red pane, seen from both sides.
    void accept(BoundaryVisitor &visitor) const override;
    void prepare() override {}
    bool testCollision(Entity *actor) override;
    void resolveCollision(Entity *actor) override;
    // Samples the square like Surface, but without the row and column at
    // the far edges.
    void addToGrid(unsigned int sizeX, unsigned int sizeY, unsigned int sizeZ, SpatialGrid &grid,
                   int index) override;

    SbVec3f getNormal() const { return normal; }
    // Full edge vectors as handed to actors: (2, 0, 0) and (0, 2, 0).
    SbVec3f edgeVectorA() const { return edges[0] * edgeLengths[0]; }
    SbVec3f edgeVectorB() const { return edges[1] * edgeLengths[1]; }
    // The pane's corners: p, p + (2, 0, 0), p + (0, 2, 0), p + (2, 2, 0).
    SbVec3f corner(int i) const { return points[size_t(i)]; }

private:

    SbVec3f edges[2];
    SbVec3f normal;
    float edgeLengths[2];
};
