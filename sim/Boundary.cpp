#include "sim/Boundary.h"


#include <cmath>

namespace {
SbVec3f divideByCell(SbVec3f v, const float cell[3])
{
    return SbVec3f(v[0] / cell[0], v[1] / cell[1], v[2] / cell[2]);
}

// Lattice direction in cell units: returns the sample count along it and
// leaves the unit direction in v.
float cellSteps(SbVec3f &v)
{
    const float steps = v.length();
    if (steps != 0.0f)
        v.normalize();
    return steps;
}

void addToCell(SpatialGrid &grid, SbVec3f p, int index)
{
    // Truncation toward zero; anything not finite or outside is skipped
    // (NaN fails every comparison).
    const float x = std::trunc(p[0]), y = std::trunc(p[1]), z = std::trunc(p[2]);
    if (!(x >= 0.0f && x < float(grid.size())))
        return;
    auto &column = grid[size_t(x)];
    if (!(y >= 0.0f && y < float(column.size())))
        return;
    auto &row = column[size_t(y)];
    if (!(z >= 0.0f && z < float(row.size())))
        return;
    row[size_t(z)].push_back(index);
}
} // namespace

Boundary::Boundary() : Boundary(SbVec3f(0.0f, 0.0f, 0.0f)) {}

Boundary::Boundary(SbVec3f anchor) { points.push_back(anchor); }

void Boundary::spanRectangle(SbVec3f corner0, SbVec3f corner1, SbVec3f corner2,
                             SbVec3f edges[3], float lengths[3], SbVec3f &normal)
{
    edges[0] = corner1 - corner0;
    edges[1] = corner2 - corner0;
    edges[2] = corner2 - corner1;
    for (int i = 0; i < 3; ++i) {
        lengths[i] = edges[i].length();
        if (lengths[i] != 0.0f)
            edges[i].normalize();
    }
    normal = edges[0].cross(edges[1]) * -1.0f;
    if (normal.length() != 0.0f)
        normal.normalize();
    for (int i = 0; i < 3; ++i)
        if (normal[i] == 0.0f)
            normal[i] = 0.0f; // no negative zeros
}

void Boundary::sampleIntoGrid(SbVec3f anchor, SbVec3f edgeA, SbVec3f edgeB, unsigned int sizeX,
                              unsigned int sizeY, unsigned int sizeZ, SpatialGrid &grid,
                              int index, bool farEdges)
{
    if (grid.empty() || grid[0].empty() || grid[0][0].empty())
        return;
    // Cell sizes: whole-number division first, as the level's extents are.
    const unsigned int cellsX = unsigned(grid.size());
    const unsigned int cellsY = unsigned(grid[0].size());
    const unsigned int cellsZ = unsigned(grid[0][0].size());
    const float cell[3] = {float(sizeX / cellsX), float(sizeY / cellsY), float(sizeZ / cellsZ)};
    if (cell[0] == 0.0f || cell[1] == 0.0f || cell[2] == 0.0f)
        return; // extents smaller than the cell count: no lattice to walk

    SbVec3f u = divideByCell(edgeA, cell);
    const float nU = cellSteps(u);
    SbVec3f v = divideByCell(edgeB, cell);
    const float nV = cellSteps(v);
    const SbVec3f start = divideByCell(anchor, cell);
    for (int j = 0; farEdges ? j <= nV : j < nV; ++j)
        for (int i = 0; farEdges ? i <= nU : i < nU; ++i)
            addToCell(grid, start + u * float(i) + v * float(j), index);
}
