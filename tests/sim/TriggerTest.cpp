// The trigger's timer that sends its box home. Firing on contact without
// pushing the actor: the replays' "trigger N fired" lines (level05, level07,
// level08); one that ignores the hero but not a Didud: level08_plate.play.
// Ticks run as the level runs them: every moving boundary moves (the box's
// faces, then the trigger), then actors are tested against them.
#include "sim/MovingQuadrat.h"
#include "sim/MovingSurface.h"
#include "sim/Quadrat.h"
#include "sim/Trigger.h"
#include "TouchRecorder.h"

#include <gtest/gtest.h>

namespace {
const Waypoints kHome = {SbVec3f(0, 0, 0)};
const Waypoints kAway = {SbVec3f(0, 100, 0)};

// A unit box at rest on its one-point home path and a trigger plate that
// sends it up towards y = 100 at one unit per tick.
struct TriggerRig {
    explicit TriggerRig(int delay)
        : box(SbVec3f(0, 0, 0), 1, 1, 1, kHome, 1.0f),
          trigger(SbVec3f(5, 1, 5), SbVec3f(7, 1, 5), SbVec3f(5, 1, 7), box, kAway, delay)
    {
    }

    // One tick; the actor touches the plate when `touch` is set.
    void tick(bool touch)
    {
        for (MovingSurface *face : box.faces)
            face->move();
        trigger.move();
        actor.touching = touch;
        if (trigger.testCollision(&actor))
            trigger.resolveCollision(&actor);
    }

    bool boxAway() const { return box.faces[Quadrat::Bottom]->getPath() == kAway; }
    float boxHeight() const { return box.faces[Quadrat::Bottom]->getPosition()[1]; }

    MovingQuadrat box;
    Trigger trigger;
    TouchRecorder actor;
};

// The first tick, counting from 1, after `from` in which the box is on its
// home path again; 0 if not within `limit` ticks.
int tickSentHome(TriggerRig &rig, int from, int limit = 200)
{
    for (int tick = from + 1; tick <= from + limit; ++tick) {
        rig.tick(false);
        if (!rig.boxAway())
            return tick;
    }
    return 0;
}
} // namespace

TEST(TriggerTimer, FiredInTickTSendsTheBoxHomeInTickTPlusDelayPlusOne)
{
    for (int delay : {0, 1, 3, 100}) {
        TriggerRig rig(delay);
        rig.tick(false);
        rig.tick(true); // fires in tick 2
        ASSERT_TRUE(rig.boxAway());
        EXPECT_EQ(tickSentHome(rig, 2), 2 + delay + 1) << "delay " << delay;
    }
}

TEST(TriggerTimer, AnActorStillOnThePlateRefiresAtOnceAndTheBoxGoesOnWithoutAPause)
{
    TriggerRig rig(3);
    for (int tick = 1; tick <= 20; ++tick) {
        rig.tick(true);
        ASSERT_TRUE(rig.boxAway()) << "tick " << tick;
        // At rest in tick 1 (it fires after the faces moved), then one unit
        // per tick, never restarting or jumping when the trigger refires.
        ASSERT_EQ(rig.boxHeight(), float(tick - 1)) << "tick " << tick;
    }
    // Refired in tick 17 (= 1 + 4 * 4), the touches in between restarting
    // nothing: home in tick 21 without contact.
    EXPECT_EQ(tickSentHome(rig, 20), 21);
}

// The box's own return on restart: its faces' reset (MovingSurfaceTest).
TEST(TriggerTimer, DelayNeverKeepsTheBoxAwayAndRestartDisarmsTheTrigger)
{
    TriggerRig rig(Trigger::kNever);
    rig.tick(true);
    EXPECT_EQ(tickSentHome(rig, 1, 500), 0);
    EXPECT_TRUE(rig.trigger.isActive());
    rig.trigger.reset();
    EXPECT_FALSE(rig.trigger.isActive());
}
