#include "app/InputScript.h"

#include <Qt>
#include <fstream>
#include <map>
#include <sstream>

namespace {
const std::map<std::string, int> kKeys = {
    {"W", Qt::Key_W},         {"A", Qt::Key_A},         {"S", Qt::Key_S},
    {"D", Qt::Key_D},         {"Up", Qt::Key_Up},       {"Down", Qt::Key_Down},
    {"Left", Qt::Key_Left},   {"Right", Qt::Key_Right}, {"Space", Qt::Key_Space},
    {"Shift", Qt::Key_Shift},
};

const std::map<std::string, std::pair<int, int>> kMoves = {
    {"left", {-1, 0}}, {"right", {1, 0}}, {"up", {0, -1}}, {"down", {0, 1}}};

const std::map<std::string, int> kButtons = {{"left", 1}, {"right", 2}};

// Most wheel notches one event may turn: far more than a hand does, and
// small enough that notches times the wheel's 120 per notch fits an int.
constexpr int kMaxWheelNotches = 1000;

std::string lineError(int line, const std::string &what)
{
    return "line " + std::to_string(line) + ": " + what;
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
        const auto move = kMoves.find(a);
        if (move == kMoves.end())
            return "unknown mouse direction '" + a + "'";
        event.kind = InputEvent::MouseMove;
        event.dx = move->second.first;
        event.dy = move->second.second;
    } else if (kind == "button") {
        words >> b;
        const auto button = kButtons.find(b);
        if ((a != "down" && a != "up") || button == kButtons.end())
            return "expected 'button down|up left|right'";
        event.kind = a == "down" ? InputEvent::ButtonDown : InputEvent::ButtonUp;
        event.button = button->second;
    } else if (kind == "wheel") {
        std::istringstream number(a);
        if (!(number >> event.notches) || !number.eof())
            return "expected a whole number of wheel notches";
        if (event.notches > kMaxWheelNotches || event.notches < -kMaxWheelNotches)
            return "more than " + std::to_string(kMaxWheelNotches) + " wheel notches";
        event.kind = InputEvent::Wheel;
    } else {
        return "unknown event '" + kind + "'";
    }
    if (words >> extra)
        return "unexpected '" + extra + "' at the end";
    return {};
}
} // namespace

InputScript parseInputScript(const std::string &text)
{
    InputScript script;
    std::istringstream lines(text);
    std::string line;
    long lastFrame = 0;
    for (int number = 1; std::getline(lines, line); ++number) {
        std::istringstream words(line);
        std::string first;
        if (!(words >> first) || first[0] == '#')
            continue;
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
