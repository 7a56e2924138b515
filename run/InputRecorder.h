#pragma once
#include "core/InputScript.h"

#include <vector>

// Writes down the input that reached the world, in the script format, each
// event stamped with the number of steps that had run when it arrived.
// Keys and buttons no world reacts to are left out. A move followed at once
// by the move onto the centre (the window's re-centring) becomes one
// "mouse left|right|up|down"; any other move is kept as "mouse at DX DY".
class InputRecorder {
public:
    void keyPressed(long frame, int key);
    void keyReleased(long frame, int key);
    void mouseMoved(long frame, int x, int y, int centreX, int centreY);
    void mouseButton(long frame, int button, bool pressed);
    void wheelTurned(long frame, int delta);

    const std::vector<InputEvent> &events() const { return recorded; }

private:
    void add(long frame, InputEvent event);
    void addKey(long frame, int key, InputEvent::Kind kind);

    std::vector<InputEvent> recorded;
};
