#pragma once
#include <string>
#include <vector>

// A recorded or hand-written play session: input events, each stamped with
// the frame before which it happens. One event per line:
//
//   <frame> key down|up <W|A|S|D|Up|Down|Left|Right|Space|Shift>
//   <frame> mouse left|right|up|down        one move as the window reports it
//   <frame> button down|up left|right
//   <frame> wheel <notches>                 positive: away from the player
//
// Blank lines and lines starting with '#' are ignored. Frame numbers never
// go backwards.
struct InputEvent {
    enum Kind { KeyDown, KeyUp, MouseMove, ButtonDown, ButtonUp, Wheel };
    long frame = 0;
    Kind kind = KeyDown;
    int key = 0;     // Qt key code for key events
    int dx = 0;      // mouse move direction relative to the window centre
    int dy = 0;
    int button = 0;  // 1 left, 2 right
    int notches = 0; // wheel
    int line = 0;    // where it was written
};

struct InputScript {
    std::vector<InputEvent> events;
    // Empty on success; otherwise one line naming the offending line.
    std::string error;
};

InputScript parseInputScript(const std::string &text);

// Reads and parses a file; a missing file is an error like any other.
InputScript loadInputScript(const std::string &path);
