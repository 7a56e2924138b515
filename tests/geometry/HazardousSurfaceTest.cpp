// Hazardous planes: deadly to whatever touches them. No GL context.
#include "TouchRecorder.h"
#include "geometry/HazardousSurface.h"

#include <gtest/gtest.h>

namespace {
// A 10 x 10 plane at height y, front side up.
HazardousSurface lavaAt(float y)
{
    return HazardousSurface(SbVec3f(0, y, 0), SbVec3f(10, y, 0), SbVec3f(0, y, 10));
}
} // namespace

TEST(HazardousSurfaceContact, KillsEveryKindOfActorWithoutPushingIt)
{
    HazardousSurface lava = lavaAt(1);
    for (bool player : {true, false}) {
        TouchRecorder actor(player);
        actor.setPosition(SbVec3f(5, 1.5f, 5));
        ASSERT_TRUE(lava.testCollision(&actor));
        EXPECT_EQ(actor.tested.normal, SbVec3f(0, 1, 0));
        lava.resolveCollision(&actor);
        EXPECT_EQ(actor.kills, 1);
        EXPECT_EQ(actor.resolutions, 0);
        EXPECT_EQ(actor.getPosition(), SbVec3f(5, 1.5f, 5));
    }
}
