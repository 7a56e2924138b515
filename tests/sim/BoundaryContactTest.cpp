// What boundaries hand to the actors touching them (the rectangle and its
// front side) and what they do to them: push, kill, finish the level. (Where
// the exit stands: the levels' finish replays; its pane: SurfaceDrawTest.)
#include "sim/EndCube.h"
#include "sim/GameRegistry.h"
#include "sim/HazardousSurface.h"
#include "sim/Surface.h"
#include "sim/WorldProxy.h"
#include "support/RecordingWorld.h"
#include "TouchRecorder.h"

#include <gtest/gtest.h>

using BoundaryContact = ::testing::Test;

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
    // Surfaces and lava treat every actor alike; only the exit asks who.
    const struct {
        const char *name;
        Boundary *boundary;
        bool player;
        int resolutions, kills;
        bool finished;
    } rows[] = {
        {"a surface pushes an actor out", &floor, true, 1, 0, false},
        {"lava kills without pushing", &lava, true, 0, 1, false},
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
        EXPECT_EQ(GameRegistry::currentWorld(), &level) << "the step ends in its own world";
        EXPECT_EQ(proxy.switchIfRequested(), row.finished);
        EXPECT_EQ(GameRegistry::currentWorld(), row.finished ? &next : &level);
    }
    EXPECT_EQ(next.calls, std::vector<std::string>{"initialize"});
    GameRegistry::setWorldProxy(nullptr);
}

// The front normal (-edge 0 x edge 1) and flip: BoxFacesTest (six faces,
// flipped and back) and SurfaceDrawTest (the drawn side).
TEST(Surface, HandsCornerFullEdgesAndNormalToTheActor)
{
    const struct {
        const char *name;
        SbVec3f corners[3];
        TouchRecorder::Quad handed;
    } rows[] = {
        {"slanted", {{1, 2, 3}, {4, 6, 3}, {1, 2, 5}}, {{1, 2, 3}, {3, 4, 0}, {0, 0, 2}, {-0.8f, 0.6f, 0}}},
        {"a zero edge stays zero, without NaN", {{1, 1, 1}, {1, 1, 1}, {1, 3, 1}},
         {{1, 1, 1}, {0, 0, 0}, {0, 2, 0}, {0, 0, 0}}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        Surface s(row.corners[0], row.corners[1], row.corners[2]);
        TouchRecorder actor;
        EXPECT_TRUE(s.testCollision(&actor));
        actor.touching = false;
        EXPECT_FALSE(s.testCollision(&actor));
        s.resolveCollision(&actor);
        for (const TouchRecorder::Quad &q : {actor.tested, actor.resolved})
            for (int i = 0; i < 3; ++i) {
                EXPECT_EQ(q.corner[i], row.handed.corner[i]);
                EXPECT_NEAR(q.edgeA[i], row.handed.edgeA[i], 1e-6f);
                EXPECT_NEAR(q.edgeB[i], row.handed.edgeB[i], 1e-6f);
                EXPECT_NEAR(q.normal[i], row.handed.normal[i], 1e-6f);
            }
    }
}
