#pragma once
#include "sim/MovingBoundary.h"
#include "sim/MovingQuadrat.h"

#include <Inventor/SbVec3f.h>

// An invisible switch rectangle for one moving box. An actor touching it
// gives the box the trigger's path; `delay` ticks later the box is sent
// back along its home path, unless something still touches the trigger,
// which then fires again at once. A trigger never moves and is not solid.
class Trigger : public MovingBoundary {
public:
    // Means: once fired, the box stays on the trigger's path until reset.
    static constexpr int kNever = -1;

    // block is the box it controls (a copy sharing the box's faces); the
    // box's path at this moment becomes its home path. waypoints is the
    // path handed to the box on firing; delay in ticks, or kNever.
    Trigger(SbVec3f corner0, SbVec3f corner1, SbVec3f corner2, MovingQuadrat block,
            Waypoints waypoints, int delay);

    // The player no longer sets it off; Vavodi and boulders still do.
    void disablePlayer() { playerTriggers = false; }

    void prepare() override {}
    bool testCollision(Entity *actor) override;
    // Fires unless already active; an active trigger's timer is not
    // restarted. The actor is not pushed.
    void resolveCollision(Entity *actor) override;
    void reset() override;
    // The timer: fired in tick t, the box is sent home in tick t + delay + 1.
    void move() override;

    bool isActive() const { return active; }
    bool reactsToPlayer() const { return playerTriggers; }
    int getElapsed() const { return elapsed; }
    int getDelay() const { return delay; }
    SbVec3f getNormal() const { return normal; }

private:
    void sendHome();

    bool active = false;
    bool playerTriggers = true;
    int delay;
    int elapsed = 0;
    MovingQuadrat block;
    Waypoints blockPath;
    SbVec3f edges[3];
    SbVec3f normal;
    float edgeLengths[3];
};
