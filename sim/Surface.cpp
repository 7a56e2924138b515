#include "sim/Surface.h"

#include "sim/BoundaryVisitor.h"
#include "sim/Entity.h"
#include "sim/GameRegistry.h"

#include <algorithm>
#include <cmath>

namespace {
// Texture coordinates per world unit: the image repeats every two units.
constexpr float kTexturePerUnit = 0.5f;
} // namespace

Surface::Surface(SbVec3f corner0, SbVec3f corner1, SbVec3f corner2) : Boundary(corner0)
{
    points.push_back(corner1);
    points.push_back(corner2);
    clearTexture = GameRegistry::loadTexture("clear.bmp");
    spanRectangle(corner0, corner1, corner2, edges, edgeLengths, normal);
}

void Surface::flip()
{
    normal.negate();
    flipped = !flipped;
}

void Surface::setTexture(unsigned int textureIndex)
{
    hasTexture = true;
    texture = textureIndex;
}

void Surface::setColor(float r, float g, float b, float a) { color.setValue(r, g, b, a); }

SbVec3f Surface::farCorner() const { return points[0] + edgeVectorA() + edgeVectorB(); }

float Surface::distanceTo(SbVec3f point) const
{
    const SbVec3f offset = point - points[0];
    const float along0 = std::clamp(offset.dot(edges[0]), 0.0f, edgeLengths[0]);
    const float along1 = std::clamp(offset.dot(edges[1]), 0.0f, edgeLengths[1]);
    return (offset - edges[0] * along0 - edges[1] * along1).length();
}

std::array<SbVec3f, 4> Surface::outline() const
{
    return {points[0], points[0] + edgeVectorA(), farCorner(), points[0] + edgeVectorB()};
}

void Surface::accept(BoundaryVisitor &visitor) const { visitor.visit(*this); }

std::vector<Surface::TileStrip> Surface::tileStrips() const
{
    const SbVec3f corner = points[0];
    const float rows = std::floor(std::fabs(edgeLengths[0]));
    const float columns = std::floor(std::fabs(edgeLengths[1]));
    const float rowRest = edgeLengths[0] - rows;
    const float columnRest = edgeLengths[1] - columns;
    const int rowCount = int(rows);
    const int columnCount = int(columns);

    std::vector<TileStrip> strips;
    strips.reserve(size_t(rowCount) + 1);
    for (int i = 0; i <= rowCount; ++i) {
        const float near = float(i);
        const float far = i < rowCount ? float(i + 1) : float(i) + rowRest;
        TileStrip strip;
        strip.reserve(2 * (size_t(columnCount) + 2));
        for (int j = 0; j <= columnCount; ++j) {
            const float across = float(j);
            strip.push_back({corner + edges[0] * near + edges[1] * across,
                             across * kTexturePerUnit, near * kTexturePerUnit});
            strip.push_back({corner + edges[0] * far + edges[1] * across,
                             across * kTexturePerUnit, far * kTexturePerUnit});
        }
        if (columnRest > 0.0f) {
            const float across = edgeLengths[1];
            strip.push_back({corner + edges[0] * near + edges[1] * across,
                             across * kTexturePerUnit, near * kTexturePerUnit});
            strip.push_back({corner + edges[0] * far + edges[1] * across,
                             across * kTexturePerUnit, far * kTexturePerUnit});
        }
        strips.push_back(std::move(strip));
    }
    return strips;
}

Surface::TileStrip Surface::wholeFace() const
{
    const SbVec3f corner = points[0];
    const float along = edgeLengths[0] * kTexturePerUnit;
    const float across = edgeLengths[1] * kTexturePerUnit;
    return {{corner, 0.0f, 0.0f},
            {corner + edgeVectorA(), 0.0f, along},
            {farCorner(), across, along},
            {corner + edgeVectorB(), across, 0.0f}};
}

bool Surface::testCollision(Entity *actor)
{
    return actor->collidesWithQuad(points[0], edgeVectorA(), edgeVectorB(), normal);
}

void Surface::resolveCollision(Entity *actor)
{
    actor->resolveQuadCollision(points[0], edgeVectorA(), edgeVectorB(), normal);
}

void Surface::addToGrid(unsigned int sizeX, unsigned int sizeY, unsigned int sizeZ,
                        SpatialGrid &grid, int index)
{
    sampleIntoGrid(points[0], edgeVectorA(), edgeVectorB(), sizeX, sizeY, sizeZ, grid, index,
                   true);
}
