#pragma once
#include <map>
#include <string>
#include <vector>

// A recorded or hand-written play session: input events, each stamped with
// the frame (simulation step) before which it reaches the world. One event
// per line:
//
//   <frame> key down|up <W|A|S|D|Up|Down|Left|Right|Space|Shift>
//   <frame> mouse left|right|up|down      one small move as the window reports
//                                         it: the move, then the re-centring
//   <frame> mouse at <dx> <dy>            one pointer report at dx, dy (-1, 0
//                                         or 1) from the centre, nothing after
//   <frame> button down|up left|right
//   <frame> wheel <notches>               positive: away from the player
//   <frame> wheel <delta>/120             a part of a notch, in Qt's units
//
// Any event may end in "xN": the same event N times in a row. Lines
// starting with '#' are comments; "# name: value" is also a header (world,
// frames, nickname, ...), of which the first of each name counts. Frame
// numbers never go backwards.
struct InputEvent {
    enum Kind { KeyDown, KeyUp, MouseMove, MouseAt, ButtonDown, ButtonUp, Wheel };
    long frame = 0;
    Kind kind = KeyDown;
    int key = 0;    // Qt key code for key events
    int dx = 0;     // mouse: direction from the window centre, -1, 0 or 1
    int dy = 0;
    int button = 0; // 1 left, 2 right
    int delta = 0;  // wheel, Qt units (120 per notch)
    int repeat = 1; // how many times in a row
    int line = 0;   // where it was written

    // Same event at the same frame (line and repeat aside).
    bool sameAs(const InputEvent &other) const;
};

namespace InputScriptLimits {
// Largest repeat count of one line: a hand-written or damaged script must
// not ask for billions of events.
constexpr int kMaxRepeat = 10000;
// Largest wheel turn of one event, in notches.
constexpr int kMaxWheelNotches = 1000;
constexpr int kWheelDeltaPerNotch = 120;
} // namespace InputScriptLimits

struct InputScript {
    std::vector<InputEvent> events;
    std::map<std::string, std::string> headers;
    // Empty on success; otherwise one line naming the offending line.
    std::string error;

    // The header's value, or `otherwise` when the script has none.
    std::string header(const std::string &name, const std::string &otherwise = {}) const;
};

InputScript parseInputScript(const std::string &text);

// Reads and parses a file; a missing file is an error like any other.
InputScript loadInputScript(const std::string &path);

// The script's name of a Qt key code; null for keys the format has no name
// for (no world reacts to them).
const char *inputKeyName(int key);

// One line per event, without a line end; consecutive equal events at the
// same frame become one line with a repeat count.
std::vector<std::string> formatInputEvents(const std::vector<InputEvent> &events);
