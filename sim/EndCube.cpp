#include "sim/EndCube.h"

#include "sim/BoundaryVisitor.h"
#include "sim/Entity.h"
#include "sim/GameRegistry.h"

namespace {
// Side length of the square pane, world units.
constexpr float kSide = 2.0f;
} // namespace

EndCube::EndCube(SbVec3f p) : Boundary(p)
{
    points.push_back(p + SbVec3f(kSide, 0.0f, 0.0f));
    points.push_back(p + SbVec3f(0.0f, kSide, 0.0f));
    points.push_back(p + SbVec3f(kSide, kSide, 0.0f));
    SbVec3f allEdges[3];
    float allLengths[3];
    spanRectangle(points[0], points[1], points[2], allEdges, allLengths, normal);
    for (int i = 0; i < 2; ++i) {
        edges[i] = allEdges[i];
        edgeLengths[i] = allLengths[i];
    }
}

void EndCube::accept(BoundaryVisitor &visitor) const { visitor.visit(*this); }

bool EndCube::testCollision(Entity *actor)
{
    return actor->collidesWithQuad(points[0], edgeVectorA(), edgeVectorB(), normal);
}

void EndCube::resolveCollision(Entity *actor)
{
    if (actor->isPlayer())
        GameRegistry::nextWorld();
}

void EndCube::addToGrid(unsigned int sizeX, unsigned int sizeY, unsigned int sizeZ,
                        SpatialGrid &grid, int index)
{
    sampleIntoGrid(points[0], edgeVectorA(), edgeVectorB(), sizeX, sizeY, sizeZ, grid, index,
                   false);
}
