#include "core/InputScript.h"

#include "core/MouseButtons.h"

#include <Qt>
#include <fstream>
#include <sstream>

using namespace InputScriptLimits;

namespace {
const std::map<std::string, int> kKeys = {
    {"W", Qt::Key_W},         {"A", Qt::Key_A},         {"S", Qt::Key_S},
    {"D", Qt::Key_D},         {"Up", Qt::Key_Up},       {"Down", Qt::Key_Down},
    {"Left", Qt::Key_Left},   {"Right", Qt::Key_Right}, {"Space", Qt::Key_Space},
    {"Shift", Qt::Key_Shift},
};

const std::map<std::string, std::pair<int, int>> kMoves = {
    {"left", {-1, 0}}, {"right", {1, 0}}, {"up", {0, -1}}, {"down", {0, 1}}};

const std::map<std::string, int> kButtons = {{"left", MouseButtons::kLeft}, {"right", MouseButtons::kRight}};

std::string lineError(int line, const std::string &what)
{
    return "line " + std::to_string(line) + ": " + what;
}

// A whole number from min to max with nothing after it.
bool readNumber(const std::string &word, long min, long max, long &value)
{
    std::istringstream number(word);
    return number >> value && number.eof() && value >= min && value <= max;
}

bool readDirection(std::istringstream &words, int &value)
{
    std::string word;
    long number = 0;
    if (!(words >> word) || !readNumber(word, -1, 1, number))
        return false;
    value = int(number);
    return true;
}

// "3" (notches) or "-15/120" (Qt units).
bool readWheel(const std::string &word, int &delta)
{
    constexpr long kMaxDelta = long(kMaxWheelNotches) * kWheelDeltaPerNotch;
    const std::string perNotch = "/" + std::to_string(kWheelDeltaPerNotch);
    long value = 0;
    if (word.size() > perNotch.size() && word.compare(word.size() - perNotch.size(), perNotch.size(), perNotch) == 0) {
        if (!readNumber(word.substr(0, word.size() - perNotch.size()), -kMaxDelta, kMaxDelta, value))
            return false;
        delta = int(value);
        return true;
    }
    if (!readNumber(word, -kMaxWheelNotches, kMaxWheelNotches, value))
        return false;
    delta = int(value * kWheelDeltaPerNotch);
    return true;
}

std::string parseMouse(std::istringstream &words, const std::string &a, InputEvent &event)
{
    if (a == "at") {
        if (!readDirection(words, event.dx) || !readDirection(words, event.dy))
            return "expected 'mouse at DX DY', each -1, 0 or 1";
        event.kind = InputEvent::MouseAt;
        return {};
    }
    const auto move = kMoves.find(a);
    if (move == kMoves.end())
        return "unknown mouse direction '" + a + "'";
    event.kind = InputEvent::MouseMove;
    event.dx = move->second.first;
    event.dy = move->second.second;
    return {};
}

// Parses the words after the frame number into the event; returns an
// error text, empty on success.
std::string parseEvent(std::istringstream &words, InputEvent &event)
{
    std::string kind, a, b, extra;
    words >> kind >> a;
    if (kind == "key") {
        words >> b;
        if (a != "down" && a != "up")
            return "expected 'down' or 'up' after 'key'";
        const auto key = kKeys.find(b);
        if (key == kKeys.end())
            return "unknown key name '" + b + "'";
        event.kind = a == "down" ? InputEvent::KeyDown : InputEvent::KeyUp;
        event.key = key->second;
    } else if (kind == "mouse") {
        if (std::string problem = parseMouse(words, a, event); !problem.empty())
            return problem;
    } else if (kind == "button") {
        words >> b;
        const auto button = kButtons.find(b);
        if ((a != "down" && a != "up") || button == kButtons.end())
            return "expected 'button down|up left|right'";
        event.kind = a == "down" ? InputEvent::ButtonDown : InputEvent::ButtonUp;
        event.button = button->second;
    } else if (kind == "wheel") {
        if (!readWheel(a, event.delta))
            return "expected a whole number of wheel notches (at most " + std::to_string(kMaxWheelNotches) +
                   ") or DELTA/120";
        event.kind = InputEvent::Wheel;
    } else {
        return "unknown event '" + kind + "'";
    }
    if (words >> extra) {
        long repeat = 0;
        if (extra[0] != 'x')
            return "unexpected '" + extra + "' at the end";
        if (!readNumber(extra.substr(1), 1, kMaxRepeat, repeat))
            return "bad repeat count '" + extra + "' (x1 to x" + std::to_string(kMaxRepeat) + ")";
        event.repeat = int(repeat);
    }
    if (words >> extra)
        return "unexpected '" + extra + "' at the end";
    return {};
}

// "# name: value" with a name of lower-case letters and dashes.
void readHeader(const std::string &line, std::map<std::string, std::string> &headers)
{
    const size_t colon = line.find(": ");
    if (line.compare(0, 2, "# ") != 0 || colon == std::string::npos || colon < 3)
        return;
    const std::string name = line.substr(2, colon - 2);
    for (char c : name)
        if ((c < 'a' || c > 'z') && c != '-')
            return;
    headers.emplace(name, line.substr(colon + 2));
}

std::string eventText(const InputEvent &event)
{
    switch (event.kind) {
    case InputEvent::KeyDown:
    case InputEvent::KeyUp: {
        const char *name = inputKeyName(event.key);
        return std::string(event.kind == InputEvent::KeyDown ? "key down " : "key up ") + (name ? name : "?");
    }
    case InputEvent::MouseMove:
        for (const auto &[name, move] : kMoves)
            if (move == std::make_pair(event.dx, event.dy))
                return "mouse " + name;
        break;
    case InputEvent::MouseAt: return "mouse at " + std::to_string(event.dx) + " " + std::to_string(event.dy);
    case InputEvent::ButtonDown: return event.button == MouseButtons::kLeft ? "button down left" : "button down right";
    case InputEvent::ButtonUp: return event.button == MouseButtons::kLeft ? "button up left" : "button up right";
    case InputEvent::Wheel:
        if (event.delta % kWheelDeltaPerNotch == 0)
            return "wheel " + std::to_string(event.delta / kWheelDeltaPerNotch);
        return "wheel " + std::to_string(event.delta) + "/" + std::to_string(kWheelDeltaPerNotch);
    }
    return "mouse at " + std::to_string(event.dx) + " " + std::to_string(event.dy);
}
} // namespace

bool InputEvent::sameAs(const InputEvent &other) const
{
    return frame == other.frame && kind == other.kind && key == other.key && dx == other.dx &&
           dy == other.dy && button == other.button && delta == other.delta;
}

std::string InputScript::header(const std::string &name, const std::string &otherwise) const
{
    const auto found = headers.find(name);
    return found == headers.end() ? otherwise : found->second;
}

InputScript parseInputScript(const std::string &text)
{
    InputScript script;
    std::istringstream lines(text);
    std::string line;
    long lastFrame = 0;
    for (int number = 1; std::getline(lines, line); ++number) {
        std::istringstream words(line);
        std::string first;
        if (!(words >> first))
            continue;
        if (first[0] == '#') {
            readHeader(line, script.headers);
            continue;
        }
        InputEvent event;
        event.line = number;
        std::istringstream frame(first);
        if (!(frame >> event.frame) || !frame.eof() || event.frame < 0) {
            script.error = lineError(number, "expected a frame number, got '" + first + "'");
            return script;
        }
        if (event.frame < lastFrame) {
            script.error = lineError(number, "frame " + std::to_string(event.frame) +
                                                 " comes before frame " + std::to_string(lastFrame));
            return script;
        }
        if (std::string problem = parseEvent(words, event); !problem.empty()) {
            script.error = lineError(number, problem);
            return script;
        }
        lastFrame = event.frame;
        script.events.push_back(event);
    }
    return script;
}

InputScript loadInputScript(const std::string &path)
{
    std::ifstream file(path);
    if (!file) {
        InputScript script;
        script.error = "cannot read " + path;
        return script;
    }
    std::stringstream text;
    text << file.rdbuf();
    return parseInputScript(text.str());
}

const char *inputKeyName(int key)
{
    for (const auto &[name, code] : kKeys)
        if (code == key)
            return name.c_str();
    return nullptr;
}

std::vector<std::string> formatInputEvents(const std::vector<InputEvent> &events)
{
    std::vector<std::string> lines;
    for (size_t i = 0; i < events.size();) {
        long repeat = events[i].repeat;
        size_t next = i + 1;
        for (; next < events.size() && events[next].sameAs(events[i]) && repeat + events[next].repeat <= kMaxRepeat;
             ++next)
            repeat += events[next].repeat;
        std::string line = std::to_string(events[i].frame) + " " + eventText(events[i]);
        if (repeat > 1)
            line += " x" + std::to_string(repeat);
        lines.push_back(line);
        i = next;
    }
    return lines;
}
