#pragma once
#include "app/TurnScaler.h"

#include <set>
#include <utility>
#include <vector>

// One gamepad's controls in the levels' terms: the left stick holds the
// walk keys (W, S, A, D) while it is pushed past the dead zone, the right
// stick turns and tilts as mouse moves do, A is Space (jump), the right
// trigger or shoulder holds Shift (run), Start asks for the pause. Knows
// nothing of SDL: the gamepad reader feeds it the pad's values.
class PadState {
public:
    // Stick axes run from -32768 to 32767, triggers from 0 to 32767.
    static constexpr int kAxisMax = 32767;
    // A stick counts as pushed beyond this; a walk key held goes only once
    // the stick is back inside the dead zone by the margin, so that a stick
    // resting on the edge does not chatter.
    static constexpr int kDeadZone = 8000;
    static constexpr int kReleaseMargin = 1000;
    // The right trigger holds the run from half way.
    static constexpr int kTriggerHeld = 16384;
    // Mouse moves per poll with the right stick pushed all the way; less
    // pushed, proportionally fewer.
    static constexpr double kMovesPerPollAtFullTilt = 1.0;

    // The continuous controls, as read at one poll.
    struct Reading {
        int leftX = 0;
        int leftY = 0; // negative: pushed away from the player
        int rightX = 0;
        int rightY = 0;
        int rightTrigger = 0;
        bool rightShoulder = false;
    };

    // What to hand to the game window: level keys pressed (true) or released,
    // mouse moves, and whether the pause was asked for.
    struct Changes {
        std::vector<std::pair<int, bool>> keys;
        std::vector<TurnScaler::Step> moves;
        bool pause = false;
    };

    Changes read(const Reading &reading);
    Changes jumpButton(bool pressed);
    Changes startButton(bool pressed);
    // Lets go of everything held (the pad went away).
    Changes releaseAll();

private:
    void hold(int key, bool on, Changes &changes);
    void walk(int key, int value, int towards, Changes &changes);
    void turn(double &carry, int value, bool vertical, Changes &changes);

    std::set<int> held;
    double carryX = 0;
    double carryY = 0;
};
