// What boundaries do to the actors touching them: push, kill, finish the
// level. (Where the exit stands: the levels' finish replays; its pane's
// drawing: SurfaceDrawTest.)
#include "TouchRecorder.h"
#include "app/GameRegistry.h"
#include "app/WorldProxy.h"
#include "geometry/EndCube.h"
#include "geometry/HazardousSurface.h"
#include "geometry/Surface.h"
#include "support/GlContext.h"
#include "support/RecordingWorld.h"

#include <gtest/gtest.h>

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
