// One moving face: how it follows its waypoints (overshoot, the short step
// near a waypoint), setPath and reset, and the normal it hands to an actor
// it carries. No GL context is needed.
#include "sim/MovingSurface.h"
#include "TouchRecorder.h"

#include <gtest/gtest.h>

namespace {
// A 10 x 10 floor face (normal +y) anchored at the origin.
MovingSurface floorFace(Waypoints path, float speed)
{
    return MovingSurface(SbVec3f(0, 0, 0), SbVec3f(10, 0, 0), SbVec3f(0, 0, 10), std::move(path),
                         speed);
}

void expectNear(SbVec3f actual, SbVec3f expected)
{
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-6f) << "component " << i;
}

// The normal the face hands an actor after one tick of motion.
SbVec3f handedNormalAfterOneTick(Waypoints path, float speed)
{
    MovingSurface face = floorFace(std::move(path), speed);
    face.move();
    TouchRecorder actor;
    face.resolveCollision(&actor);
    EXPECT_EQ(actor.resolved.corner, face.getPosition());
    return actor.resolved.normal;
}
} // namespace

TEST(MovingSurfaceMotion, OvershootsAWaypointAndHeadsOnFromWhereItIs)
{
    MovingSurface face = floorFace({SbVec3f(1, 0, 0), SbVec3f(1, 1, 0)}, 0.4f);
    for (int tick = 0; tick < 3; ++tick)
        face.move();
    // Three steps of 0.4 towards a waypoint 1.0 away: 0.2 past it.
    expectNear(face.getPosition(), SbVec3f(1.2f, 0, 0));
    face.move();
    const SbVec3f leg = SbVec3f(1, 1, 0) - SbVec3f(1.2f, 0, 0);
    expectNear(face.getPosition(), SbVec3f(1.2f, 0, 0) + leg / leg.length() * 0.4f);
}

TEST(MovingSurfaceMotion, WithinRootOfSpeedOfAWaypointItTakesOneShortStep)
{
    // Built on path[0], so the first tick heads for path[1]. 0.5 away with
    // speed 0.25: the tie 0.25 <= 0.25 still counts, so it steps 0.5 * 0.25
    // (the direction left unnormalised) and turns back towards path[0].
    MovingSurface tie = floorFace({SbVec3f(0, 0, 0), SbVec3f(0.5f, 0, 0)}, 0.25f);
    tie.move();
    EXPECT_EQ(tie.getPosition(), SbVec3f(0.125f, 0, 0));
    tie.move();
    EXPECT_EQ(tie.getTargetIndex(), 0);
    MovingSurface beyond = floorFace({SbVec3f(0, 0, 0), SbVec3f(0.51f, 0, 0)}, 0.25f);
    beyond.move();
    EXPECT_EQ(beyond.getPosition(), SbVec3f(0.25f, 0, 0));
}

TEST(MovingSurfaceMotion, SetPathKeepsPositionAndProgressAndResetRestoresBoth)
{
    MovingSurface face = floorFace({SbVec3f(0, 10, 0)}, 1.0f);
    face.move();
    face.move();
    face.setPath({SbVec3f(0, -10, 0)});
    // Still on the old leg: the new path counts only once it arrives.
    face.move();
    EXPECT_EQ(face.getPosition(), SbVec3f(0, 3, 0));

    face.reset();
    EXPECT_EQ(face.getPosition(), SbVec3f(0, 0, 0));
    face.move(); // on the first path again
    EXPECT_EQ(face.getPosition(), SbVec3f(0, 1, 0));
}

TEST(MovingSurfaceMotion, AnEmptyPathKeepsTheFaceStillInsteadOfFailing)
{
    MovingSurface face = floorFace({}, 1.0f);
    face.move();
    EXPECT_EQ(face.getPosition(), SbVec3f(0, 0, 0));
    // Given a path later, it sets off; an empty one stops it again.
    face.setPath({SbVec3f(0, 10, 0)});
    face.move();
    face.setPath({});
    face.move();
    EXPECT_EQ(face.getPosition(), SbVec3f(0, 1, 0));
    face.reset();
    EXPECT_EQ(face.getPosition(), SbVec3f(0, 0, 0));
}

// Twice the step is added to the normal: sideways it tilts (about 11
// degrees at 0.1 per tick); against the normal, slow motion keeps it, half a
// unit per tick sums to exactly zero, faster turns it.
TEST(MovingSurfaceCarrying, TheHandedNormalLeansWithTwiceTheStep)
{
    const Waypoints down = {SbVec3f(0, 0, 0), SbVec3f(0, -100, 0)};
    const struct {
        Waypoints path;
        float speed;
        SbVec3f normal;
    } rows[] = {
        {{SbVec3f(0, 0, 0), SbVec3f(50, 0, 0)}, 0.1f, SbVec3f(0.2f, 1, 0) / SbVec3f(0.2f, 1, 0).length()},
        {down, 0.25f, SbVec3f(0, 1, 0)},
        {down, 0.5f, SbVec3f(0, -1, 0)},
        {down, 1.0f, SbVec3f(0, -1, 0)},
        {{SbVec3f(0, 0, 0)}, 1.0f, SbVec3f(0, 1, 0)}, // standing still
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.speed);
        expectNear(handedNormalAfterOneTick(row.path, row.speed), row.normal);
    }
}
