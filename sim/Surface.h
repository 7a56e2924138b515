#pragma once
#include "sim/Boundary.h"

#include <Inventor/SbVec3f.h>
#include <Inventor/SbVec4f.h>
#include <array>
#include <vector>

// One static rectangle of level geometry, given by three corners: corner 0,
// corner 1 = corner 0 + edge 0 * length 0, corner 2 = corner 0 + edge 1 *
// length 1; the fourth corner is never given. Only element 0 of points is
// read after construction, so moving it moves the whole rectangle.
//
// The front side is the side the normal points to; a surface is seen (and
// collided with) from there only. A texture tile is one world unit square
// and the texture image repeats every two units.
class Surface : public Boundary {
public:
    // One vertex of the tiled drawing with its texture coordinate.
    struct TileVertex {
        SbVec3f position;
        float s;
        float t;
    };
    using TileStrip = std::vector<TileVertex>;

    Surface(SbVec3f corner0, SbVec3f corner1, SbVec3f corner2);

    // Turns the front side round.
    void flip();
    // A texture index of the registry's list (not a GL name).
    void setTexture(unsigned int textureIndex);
    void setColor(float r, float g, float b, float a);

    void accept(BoundaryVisitor &visitor) const override;
    void prepare() override {}
    bool testCollision(Entity *actor) override;
    void resolveCollision(Entity *actor) override;
    void addToGrid(unsigned int sizeX, unsigned int sizeY, unsigned int sizeZ, SpatialGrid &grid,
                   int index) override;

    // The face in unit tiles, as quad strips: one per unit row along edge 0 plus
    // the remainder row (which has zero width when length 0 is whole), each
    // with a vertex pair per unit column along edge 1 plus a closing pair at
    // the far edge when length 1 has a remainder.
    std::vector<TileStrip> tileStrips() const;
    // The whole face as one quad: corner 0, corner 1, fourth corner,
    // corner 2, with the texture coordinates the tiling gives those points.
    TileStrip wholeFace() const;

    // Distance from a point to the nearest point of the rectangle.
    float distanceTo(SbVec3f point) const override;

    SbVec3f getNormal() const { return normal; }
    SbVec3f getEdge(int i) const { return edges[i]; }
    float getEdgeLength(int i) const { return edgeLengths[i]; }
    // Full edge vectors as handed to actors.
    SbVec3f edgeVectorA() const { return edges[0] * edgeLengths[0]; }
    SbVec3f edgeVectorB() const { return edges[1] * edgeLengths[1]; }
    SbVec4f getColor() const { return color; }
    bool isTextured() const { return hasTexture; }
    bool isFlipped() const { return flipped; }
    // Texture indices: the face's own, and the one bound after it.
    unsigned int getTexture() const { return texture; }
    unsigned int getClearTexture() const { return clearTexture; }
    // Corner 0 (the anchor), corner 1, the fourth corner and corner 2, the
    // order the face is drawn in.
    std::array<SbVec3f, 4> outline() const;

protected:
    // The never-given fourth corner: corner 0 + edge A + edge B.
    SbVec3f farCorner() const;

    SbVec3f edges[3];
    SbVec3f normal;
    SbVec4f color{1.0f, 1.0f, 1.0f, 1.0f};
    bool hasTexture = false;
    bool flipped = false;
    unsigned int texture = 0;
    unsigned int clearTexture = 0;
    float edgeLengths[3];
};
