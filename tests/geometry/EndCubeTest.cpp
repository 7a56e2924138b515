// The level exit: its pane, who it lets finish the level, how it enters the
// collision grid, and that its pane shows once from either side.
#include "TouchRecorder.h"
#include "app/GameRegistry.h"
#include "app/WorldProxy.h"
#include "geometry/EndCube.h"
#include "geometry/Surface.h"
#include "render/GL.h"
#include "support/GlContext.h"
#include "support/RecordingWorld.h"

#include <gtest/gtest.h>

#include <array>

namespace {
SpatialGrid emptyGrid(size_t x, size_t y, size_t z)
{
    return SpatialGrid(x, std::vector<std::vector<std::vector<int>>>(
                              y, std::vector<std::vector<int>>(z)));
}

int entries(const SpatialGrid &grid)
{
    int count = 0;
    for (const auto &column : grid)
        for (const auto &row : column)
            for (const auto &cell : row)
                count += int(cell.size());
    return count;
}
} // namespace

TEST(EndCubePane, IsATwoByTwoUprightSquareFacingMinusZ)
{
    EndCube exit(SbVec3f(80, 16, 85));
    TouchRecorder actor;
    actor.touching = false;
    EXPECT_FALSE(exit.testCollision(&actor));
    EXPECT_EQ(actor.tested.corner, SbVec3f(80, 16, 85));
    EXPECT_EQ(actor.tested.edgeA, SbVec3f(2, 0, 0));
    EXPECT_EQ(actor.tested.edgeB, SbVec3f(0, 2, 0));
    EXPECT_EQ(actor.tested.normal, SbVec3f(0, 0, -1));
    EXPECT_EQ(exit.getPosition(), SbVec3f(80, 16, 85));
}

TEST(EndCubeGrid, LeavesOutTheFarRowAndColumn)
{
    // Cells of one unit: the pane from (2, 3) to (4, 5) in z = 4 is sampled
    // at x 2 and 3, y 3 and 4, never at x = 4 or y = 5.
    SpatialGrid grid = emptyGrid(10, 10, 10);
    EndCube(SbVec3f(2, 3, 4)).addToGrid(10, 10, 10, grid, 7);
    EXPECT_EQ(entries(grid), 4);
    for (size_t x : {2u, 3u})
        for (size_t y : {3u, 4u})
            EXPECT_EQ(grid[x][y][4], std::vector<int>{7}) << x << "," << y;

    // A surface over the same square takes the far edges too.
    SpatialGrid surfaceGrid = emptyGrid(10, 10, 10);
    Surface(SbVec3f(2, 3, 4), SbVec3f(4, 3, 4), SbVec3f(2, 5, 4)).addToGrid(10, 10, 10, surfaceGrid, 7);
    EXPECT_EQ(entries(surfaceGrid), 9);
}

using EndCubeWorlds = GlContextTest;

TEST_F(EndCubeWorlds, OnlyThePlayerFinishesTheLevel)
{
    GameRegistry registry;
    RecordingWorld level, next;
    GameRegistry::setWorlds({&level, &next});
    WorldProxy proxy(GameRegistry::takeNextWorld());
    GameRegistry::setWorldProxy(&proxy);

    EndCube exit(SbVec3f(0, 0, 0));
    TouchRecorder didud(false), hero(true);
    ASSERT_TRUE(exit.testCollision(&didud));
    exit.resolveCollision(&didud);
    EXPECT_EQ(GameRegistry::currentWorld(), &level);
    EXPECT_TRUE(next.calls.empty());
    EXPECT_EQ(didud.resolutions, 0);

    ASSERT_TRUE(exit.testCollision(&hero));
    exit.resolveCollision(&hero);
    EXPECT_EQ(GameRegistry::currentWorld(), &next);
    EXPECT_EQ(next.calls, std::vector<std::string>{"initialize"});
    EXPECT_EQ(hero.resolutions, 0);
    GameRegistry::setWorldProxy(nullptr);
}

namespace {
std::array<GLubyte, 4> centrePixel()
{
    std::array<GLubyte, 4> rgba{};
    glReadPixels(GlContextTest::kWidth / 2, GlContextTest::kHeight / 2, 1, 1, GL_RGBA,
                 GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

// Clears to black and draws the pane filling the view, seen from behind
// when `turned`, with back faces culled and no depth test (so that a pane
// drawn twice would show as a brighter red).
std::array<GLubyte, 4> paneSeen(bool turned)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (turned)
        glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    EndCube(SbVec3f(-1, -1, 0)).drawStatic();
    glFinish();
    return centrePixel();
}
} // namespace

TEST_F(EndCubeWorlds, ThePaneShowsOnceInTranslucentRedFromEitherSide)
{
    for (bool turned : {false, true}) {
        const auto rgba = paneSeen(turned);
        // 0.6 of full red over black.
        EXPECT_NEAR(rgba[0], 153, 2) << (turned ? "behind" : "in front");
        EXPECT_EQ(rgba[1], 0);
        EXPECT_EQ(rgba[2], 0);
    }
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLint winding = 0;
    glGetIntegerv(GL_FRONT_FACE, &winding);
    EXPECT_EQ(winding, GL_CCW);
}
