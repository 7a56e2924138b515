// Registering static surfaces in the level's collision grid.
#include "geometry/EndCube.h"
#include "geometry/Surface.h"

#include <gtest/gtest.h>

namespace {
SpatialGrid gridOf(size_t x, size_t y, size_t z)
{
    return SpatialGrid(x, std::vector<std::vector<std::vector<int>>>(
                              y, std::vector<std::vector<int>>(z)));
}
} // namespace

TEST(SurfaceGrid, SamplesOneCellApartLandInEveryCellTheSurfaceCrosses)
{
    SpatialGrid grid = gridOf(4, 1, 1); // cells 25 wide along x
    Surface strip(SbVec3f(10, 0, 0), SbVec3f(80, 0, 0), SbVec3f(10, 0, 10));
    strip.addToGrid(100, 100, 100, grid, 7);
    // Samples at x = 10, 35, 60 (every 25 units up to 70 along the edge).
    EXPECT_EQ(grid[0][0][0], std::vector<int>{7});
    EXPECT_EQ(grid[1][0][0], std::vector<int>{7});
    EXPECT_EQ(grid[2][0][0], std::vector<int>{7});
    EXPECT_TRUE(grid[3][0][0].empty());
}

TEST(SurfaceGrid, ACellMayReceiveTheSameIndexTwice)
{
    // A diagonal edge 1.06 cells long: its second sample, one cell along
    // the diagonal, is still inside the first cell.
    SpatialGrid grid = gridOf(1, 1, 1);
    Surface diagonal(SbVec3f(0, 0, 0), SbVec3f(75, 0, 75), SbVec3f(0, 10, 0));
    diagonal.addToGrid(100, 100, 100, grid, 3);
    EXPECT_EQ(grid[0][0][0], (std::vector<int>{3, 3}));
}

TEST(SurfaceGrid, SamplePointsOutsideTheGridAreSkipped)
{
    // A wall as high as the level: its top sample row lies exactly on the
    // grid's far boundary, one cell past the end.
    SpatialGrid grid = gridOf(1, 1, 1);
    Surface wall(SbVec3f(0, 0, 0), SbVec3f(0, 100, 0), SbVec3f(0, 0, 1000));
    wall.addToGrid(1000, 100, 1000, grid, 9);
    EXPECT_EQ(grid[0][0][0], std::vector<int>{9});

    // Wholly outside, below and beyond.
    Surface below(SbVec3f(0, -150, 0), SbVec3f(10, -150, 0), SbVec3f(0, -150, 10));
    below.addToGrid(1000, 100, 1000, grid, 10);
    Surface beyond(SbVec3f(2000, 0, 0), SbVec3f(2010, 0, 0), SbVec3f(2000, 0, 10));
    beyond.addToGrid(1000, 100, 1000, grid, 11);
    EXPECT_EQ(grid[0][0][0], std::vector<int>{9});
}

TEST(SurfaceGrid, DegenerateGridsAreLeftAlone)
{
    Surface s(SbVec3f(0, 0, 0), SbVec3f(10, 0, 0), SbVec3f(0, 0, 10));
    SpatialGrid empty;
    s.addToGrid(1000, 100, 1000, empty, 1);
    EXPECT_TRUE(empty.empty());
    // Extents smaller than the number of cells give cells of size 0.
    SpatialGrid tiny = gridOf(2, 2, 2);
    s.addToGrid(1, 1, 1, tiny, 1);
    for (auto &plane : tiny)
        for (auto &row : plane)
            for (auto &cell : row)
                EXPECT_TRUE(cell.empty());
}

TEST(SurfaceGrid, AnExitLeavesOutTheFarRowAndColumnASurfaceDoesNot)
{
    // Cells of one unit: the pane from (2, 3) to (4, 5) in z = 4 is sampled
    // at x 2 and 3, y 3 and 4, never at x = 4 or y = 5.
    SpatialGrid grid = gridOf(10, 10, 10);
    EndCube(SbVec3f(2, 3, 4)).addToGrid(10, 10, 10, grid, 7);
    SpatialGrid surfaceGrid = gridOf(10, 10, 10);
    Surface(SbVec3f(2, 3, 4), SbVec3f(4, 3, 4), SbVec3f(2, 5, 4)).addToGrid(10, 10, 10, surfaceGrid, 7);
    for (size_t x : {2u, 3u, 4u})
        for (size_t y : {3u, 4u, 5u}) {
            EXPECT_EQ(grid[x][y][4].size(), x < 4 && y < 5 ? 1u : 0u) << x << "," << y;
            EXPECT_EQ(surfaceGrid[x][y][4], std::vector<int>{7}) << x << "," << y;
        }
}
