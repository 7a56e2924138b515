#pragma once
#include "core/InputScript.h"
#include "run/StepRunner.h"

#include <vector>

class WorldProxy;

// Hands a script's events to the world through the proxy the way the game
// window does: a mouse move arrives as the move and then the re-centring
// move, a wheel notch as 120 units. The events of frame N go before step N.
class ScriptPlayer {
public:
    explicit ScriptPlayer(std::vector<InputEvent> events) : events(std::move(events)) {}

    // Applies the events stamped `frame` that have not been applied yet.
    void applyDue(long frame, WorldProxy &proxy);
    bool finished() const { return next == events.size(); }

private:
    std::vector<InputEvent> events;
    size_t next = 0;
};

// A script played through the step runner: the events of step N go before
// step N, counting from the first step it watches.
class ScriptedSteps : public StepObserver {
public:
    ScriptedSteps(std::vector<InputEvent> events, WorldProxy &proxy) : player(std::move(events)), proxy(proxy) {}
    void beforeStep() override { player.applyDue(step, proxy); }
    void afterStep() override { ++step; }
    long stepsRun() const { return step; }

private:
    ScriptPlayer player;
    WorldProxy &proxy;
    long step = 0;
};

// One event, repeat count included.
void applyInputEvent(const InputEvent &event, WorldProxy &proxy);
