// Registering static surfaces in the level's collision grid.
#include "geometry/Quadrat.h"
#include "geometry/Surface.h"

#include <gtest/gtest.h>

namespace {
SpatialGrid gridOf(size_t x, size_t y, size_t z)
{
    return SpatialGrid(x, std::vector<std::vector<std::vector<int>>>(
                              y, std::vector<std::vector<int>>(z)));
}
} // namespace

TEST(SurfaceGrid, WithTheLevelsSingleCellEveryBoxFaceIsListedOnceInOrder)
{
    SpatialGrid grid = gridOf(1, 1, 1);
    Quadrat room(SbVec3f(0, 0, 0), 20, 100, 100);
    Quadrat block(SbVec3f(100, 6, 78), 14, 6, 20);
    std::vector<Surface *> faces = room.faces;
    faces.insert(faces.end(), block.faces.begin(), block.faces.end());
    for (size_t k = 0; k < faces.size(); ++k)
        faces[k]->addToGrid(1000, 100, 1000, grid, int(k));
    std::vector<int> expected(faces.size());
    for (size_t k = 0; k < expected.size(); ++k)
        expected[k] = int(k);
    EXPECT_EQ(grid[0][0][0], expected);
    for (Surface *face : faces)
        delete face;
}

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
