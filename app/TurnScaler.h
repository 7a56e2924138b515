#pragma once
#include <vector>

// Turns the player's mouse feel into the levels' mouse events. A level turns
// (or pitches) the camera by a fixed 3 degrees per mouse event, whatever
// distance the mouse moved; the player may ask for another number of
// degrees per move. Each axis adds up the degrees asked for and hands out
// whole level events, carrying the rest to the next move, so that a turn
// there and back again ends where it started (no drift). The sums are kept
// in thousandths of a degree: whole numbers, exact for any setting.
class TurnScaler {
public:
    // What one level mouse event turns, in degrees.
    static constexpr double kLevelStepDegrees = 3.0;

    // One level mouse event: the side of the window centre it lands on,
    // each -1, 0 or 1 (y grows downwards, as on the screen).
    struct Step {
        int dx;
        int dy;
        bool operator==(const Step &other) const { return dx == other.dx && dy == other.dy; }
    };

    // The level events for one move to the side (dx, dy) of the centre, each
    // -1, 0 or 1, at `degrees` per move; invertPitch flips the vertical
    // direction. At 3 degrees without inversion a move gives exactly one
    // event, the move itself.
    std::vector<Step> move(int dx, int dy, double degrees, bool invertPitch);

    // Forgets the rests carried (the levels' turns start anew).
    void reset() { carryX = carryY = 0; }

private:
    long long carryX = 0;
    long long carryY = 0;
};
