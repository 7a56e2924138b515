#pragma once
#include "geometry/Boundary.h"

#include <Inventor/SbVec3f.h>

// The exit of a level: despite its name a single upright square, two units
// wide and high, in the plane z = p.z from (p.x, p.y) to (p.x + 2, p.y + 2),
// drawn as a translucent red pane seen from both sides. When the player
// touches it the game goes on to the next world; other actors pass it by.
class EndCube : public Boundary {
public:
    // p is the lower corner with the smallest x, usually on a floor.
    explicit EndCube(SbVec3f p);

    void draw() override {}
    void drawStatic() override;
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

private:
    // The pane's four corners in drawing order, with the given normal.
    void emitPane(SbVec3f paneNormal) const;

    SbVec3f edges[2];
    SbVec3f normal;
    float edgeLengths[2];
};
