// What boundaries do to the actors touching them (push, kill, finish the
// level), and that the exit's pane shows once from either side. (Where the
// pane stands: the levels' finish replays.)
#include "TouchRecorder.h"
#include "app/GameRegistry.h"
#include "app/WorldProxy.h"
#include "geometry/EndCube.h"
#include "geometry/HazardousSurface.h"
#include "geometry/Surface.h"
#include "render/GL.h"
#include "support/GlContext.h"
#include "support/RecordingWorld.h"

#include <gtest/gtest.h>

#include <array>

using BoundaryContact = GlContextTest;

TEST_F(BoundaryContact, WhatABoundaryDoesToWhoTouchesIt)
{
    GameRegistry registry;
    RecordingWorld level, next;
    GameRegistry::setWorlds({&level, &next});
    WorldProxy proxy(GameRegistry::takeNextWorld());
    GameRegistry::setWorldProxy(&proxy);
    Surface floor(SbVec3f(0, 1, 0), SbVec3f(10, 1, 0), SbVec3f(0, 1, 10));
    HazardousSurface lava(SbVec3f(0, 1, 0), SbVec3f(10, 1, 0), SbVec3f(0, 1, 10));
    EndCube exit(SbVec3f(0, 0, 0));
    const struct {
        const char *name;
        Boundary *boundary;
        bool player;
        int resolutions, kills;
        bool finished;
    } rows[] = {
        {"a surface pushes the hero out", &floor, true, 1, 0, false},
        {"and a Didud", &floor, false, 1, 0, false},
        {"lava kills the hero without pushing", &lava, true, 0, 1, false},
        {"and a Didud", &lava, false, 0, 1, false},
        {"the exit lets no Didud finish", &exit, false, 0, 0, false},
        {"the hero finishes the level there", &exit, true, 0, 0, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        TouchRecorder actor(row.player);
        ASSERT_TRUE(row.boundary->testCollision(&actor));
        row.boundary->resolveCollision(&actor);
        EXPECT_EQ(actor.resolutions, row.resolutions);
        EXPECT_EQ(actor.kills, row.kills);
        EXPECT_EQ(GameRegistry::currentWorld(), row.finished ? &next : &level);
    }
    EXPECT_EQ(next.calls, std::vector<std::string>{"initialize"});
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

TEST_F(BoundaryContact, ThePaneShowsOnceInTranslucentRedFromEitherSide)
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
