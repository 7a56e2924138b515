#include "app/PadState.h"

#include <Qt>
#include <algorithm>
#include <cstdlib>

PadState::Changes PadState::read(const Reading &reading)
{
    Changes changes;
    walk(Qt::Key_W, reading.leftY, -1, changes);
    walk(Qt::Key_S, reading.leftY, 1, changes);
    walk(Qt::Key_A, reading.leftX, -1, changes);
    walk(Qt::Key_D, reading.leftX, 1, changes);
    hold(Qt::Key_Shift, reading.rightTrigger >= kTriggerHeld || reading.rightShoulder, changes);
    turn(carryX, reading.rightX, false, changes);
    turn(carryY, reading.rightY, true, changes);
    return changes;
}

PadState::Changes PadState::jumpButton(bool pressed)
{
    Changes changes;
    hold(Qt::Key_Space, pressed, changes);
    return changes;
}

PadState::Changes PadState::startButton(bool pressed)
{
    Changes changes;
    changes.pause = pressed;
    return changes;
}

PadState::Changes PadState::releaseAll()
{
    Changes changes;
    for (int key : std::set<int>(held))
        hold(key, false, changes);
    carryX = carryY = 0;
    return changes;
}

void PadState::hold(int key, bool on, Changes &changes)
{
    if (on == (held.count(key) > 0))
        return;
    if (on)
        held.insert(key);
    else
        held.erase(key);
    changes.keys.emplace_back(key, on);
}

// towards: the side of the axis (-1 or 1) that holds the key.
void PadState::walk(int key, int value, int towards, Changes &changes)
{
    const int along = value * towards;
    if (along > kDeadZone)
        hold(key, true, changes);
    else if (along < kDeadZone - kReleaseMargin)
        hold(key, false, changes);
}

void PadState::turn(double &carry, int value, bool vertical, Changes &changes)
{
    if (std::abs(value) <= kDeadZone) {
        carry = 0;
        return;
    }
    const double tilt = std::min(1.0, double(std::abs(value) - kDeadZone) / (kAxisMax - kDeadZone));
    carry += (value > 0 ? 1 : -1) * tilt * kMovesPerPollAtFullTilt;
    for (; carry >= 1.0; carry -= 1.0)
        changes.moves.push_back(vertical ? TurnScaler::Step{0, 1} : TurnScaler::Step{1, 0});
    for (; carry <= -1.0; carry += 1.0)
        changes.moves.push_back(vertical ? TurnScaler::Step{0, -1} : TurnScaler::Step{-1, 0});
}
