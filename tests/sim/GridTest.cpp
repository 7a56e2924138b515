// Registering static boundaries in the level's collision grid.
#include "sim/EndCube.h"
#include "sim/Surface.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {
SpatialGrid gridOf(size_t x, size_t y, size_t z)
{
    return SpatialGrid(x, std::vector<std::vector<std::vector<int>>>(
                              y, std::vector<std::vector<int>>(z)));
}

constexpr int kIndex = 7;

// "x y z" once for every kIndex a cell holds, in cell order; any other
// index shows after a colon.
std::vector<std::string> filledCells(const SpatialGrid &grid)
{
    std::vector<std::string> cells;
    for (size_t x = 0; x < grid.size(); ++x)
        for (size_t y = 0; y < grid[x].size(); ++y)
            for (size_t z = 0; z < grid[x][y].size(); ++z)
                for (int index : grid[x][y][z]) {
                    std::string cell = std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(z);
                    cells.push_back(index == kIndex ? cell : cell + ": " + std::to_string(index));
                }
    return cells;
}

std::function<std::unique_ptr<Boundary>()> surface(SbVec3f corner, SbVec3f a, SbVec3f b)
{
    return [=] { return std::make_unique<Surface>(corner, a, b); };
}
} // namespace

TEST(SurfaceGrid, EverySampleLandsInItsCellOnceAndOutsideSamplesAreSkipped)
{
    const struct {
        const char *name;
        size_t cells[3];
        unsigned extent[3];
        std::function<std::unique_ptr<Boundary>()> make;
        std::vector<std::string> filled;
    } rows[] = {
        // Cells 25 wide; samples at x = 10, 35, 60, every 25 up to 70.
        {"samples one cell apart", {4, 1, 1}, {100, 100, 100},
         surface({10, 0, 0}, {80, 0, 0}, {10, 0, 10}), {"0 0 0", "1 0 0", "2 0 0"}},
        {"top sample row exactly on the far boundary", {1, 1, 1}, {1000, 100, 1000},
         surface({0, 0, 0}, {0, 100, 0}, {0, 0, 1000}), {"0 0 0"}},
        {"wholly below", {1, 1, 1}, {1000, 100, 1000},
         surface({0, -150, 0}, {10, -150, 0}, {0, -150, 10}), {}},
        {"a grid without cells", {0, 0, 0}, {1000, 100, 1000},
         surface({0, 0, 0}, {10, 0, 0}, {0, 0, 10}), {}},
        {"extents below the cell count: cells of size 0", {2, 2, 2}, {1, 1, 1},
         surface({0, 0, 0}, {10, 0, 0}, {0, 0, 10}), {}},
        // Cells of one unit; the pane from (2, 3) to (4, 5) in z = 4.
        {"a surface reaches its far row and column", {10, 10, 10}, {10, 10, 10},
         surface({2, 3, 4}, {4, 3, 4}, {2, 5, 4}),
         {"2 3 4", "2 4 4", "2 5 4", "3 3 4", "3 4 4", "3 5 4", "4 3 4", "4 4 4", "4 5 4"}},
        {"an exit leaves them out", {10, 10, 10}, {10, 10, 10},
         [] { return std::make_unique<EndCube>(SbVec3f(2, 3, 4)); },
         {"2 3 4", "2 4 4", "3 3 4", "3 4 4"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SpatialGrid grid = gridOf(row.cells[0], row.cells[1], row.cells[2]);
        row.make()->addToGrid(row.extent[0], row.extent[1], row.extent[2], grid, kIndex);
        EXPECT_EQ(filledCells(grid), row.filled);
    }
}
