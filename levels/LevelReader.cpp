#include "levels/LevelReader.h"

#include "levels/LevelChecks.h"
#include "levels/LevelLine.h"
#include "levels/LevelOperations.h"
#include "levels/LevelValues.h"

#include <algorithm>
#include <map>

using namespace LevelLimits;

namespace {

struct Named {
    PieceKind kind;
    int index; // in its own list; -1 when the line that made it was refused
    int line;
};

constexpr const char *kAxes[3] = {"x", "y", "z"};

class Reader {
public:
    explicit Reader(LevelProblems &problems) : problems(problems) {}

    void readLine(const std::string &text, int line);
    LevelDescription take() { return std::move(level); }

private:
    bool fail(int line, int column, std::string message)
    {
        problems.add(line, column, std::move(message));
        return false;
    }
    bool readCall(const LineParts &parts, const OperationSpec &spec, LevelCall &call);
    bool checkCount(const LineParts &parts, const OperationSpec &spec);
    bool readArgument(const LineArgument &argument, const Parameter &parameter, LevelCall &call);
    bool readWaypoints(const LineParts &parts, const Parameter &parameter, LevelCall &call);
    bool readPoint(const LineArgument &argument, const Parameter &parameter, SbVec3f &point);
    bool readNumber(const LineWord &word, const std::string &role, const NumberRange &range, float &value);
    bool readPiece(const LineWord &word, const Parameter &parameter, int &index);
    bool checkName(const LineParts &parts, const OperationSpec &spec);
    bool checkOnce(const LevelCall &call);
    void record(const LineParts &parts, const OperationSpec &spec, LevelCall call);

    LevelProblems &problems;
    LevelDescription level;
    std::map<std::string, Named> names;
    std::map<PieceKind, int> made;
    std::map<LevelOperation, int> settingLine; // the lines that may come once
    int line = 0;
};

void Reader::readLine(const std::string &text, int number)
{
    line = number;
    if (text.size() > kMaxLineLength) {
        fail(line, int(kMaxLineLength) + 1,
             "the line is longer than " + std::to_string(kMaxLineLength) + " characters");
        return;
    }
    LineParts parts;
    LineProblem problem;
    if (!splitLevelLine(text, parts, problem)) {
        fail(line, problem.column, problem.message);
        return;
    }
    if (parts.operation.text.empty())
        return;
    const OperationSpec *spec = findOperation(parts.operation.text);
    if (!spec) {
        fail(line, parts.operation.column, "unknown operation '" + parts.operation.text + "'");
        return;
    }
    LevelCall call;
    call.operation = spec->operation;
    call.line = line;
    call.column = parts.operation.column;
    const bool named = checkName(parts, *spec);
    if (readCall(parts, *spec, call) && named && checkOnce(call))
        record(parts, *spec, std::move(call));
    else if (named && !parts.name.text.empty())
        names[parts.name.text] = {spec->makes, -1, line}; // known, so later lines report no more
}

bool Reader::checkName(const LineParts &parts, const OperationSpec &spec)
{
    const LineWord &name = parts.name;
    if (spec.makes != PieceKind::Nothing && made[spec.makes] >= pieceLimit(spec.makes))
        return fail(line, parts.operation.column,
                    std::string("too many ") + pieceKindPlural(spec.makes) + ": a level has at most " +
                        std::to_string(pieceLimit(spec.makes)));
    if (name.text.empty())
        return true;
    if (spec.makes == PieceKind::Nothing)
        return fail(line, name.column, std::string(spec.name) + " makes nothing that could be named");
    if (!isLevelName(name.text))
        return fail(line, name.column,
                    "'" + name.text +
                        "' is not a name (a letter or '_', then letters, "
                        "digits and '_', at most " +
                        std::to_string(kMaxNameLength) + ")");
    if (const auto known = names.find(name.text); known != names.end())
        return fail(line, name.column,
                    "'" + name.text + "' is already made on line " + std::to_string(known->second.line));
    return true;
}

bool Reader::checkCount(const LineParts &parts, const OperationSpec &spec)
{
    const std::size_t wanted = spec.parameters.size(), found = parts.arguments.size();
    if (wanted == found)
        return true;
    std::string roles;
    for (const Parameter &parameter : spec.parameters)
        roles += (roles.empty() ? "" : ", ") + std::string(parameter.role);
    const std::string takes = std::string(spec.name) + " takes " + std::to_string(wanted) +
                              (wanted == 1 ? " argument" : " arguments") + (roles.empty() ? "" : " (" + roles + ")");
    if (found > wanted)
        return fail(line, parts.arguments[wanted].column,
                    "unexpected '" +
                        (parts.arguments[wanted].isPoint ? std::string("(") : parts.arguments[wanted].word.text) +
                        "' after the arguments: " + takes);
    return fail(line, parts.endColumn, "too few arguments: " + takes + ", found " + std::to_string(found));
}

bool Reader::readCall(const LineParts &parts, const OperationSpec &spec, LevelCall &call)
{
    if (!spec.parameters.empty() && spec.parameters[0].type == Parameter::Waypoints)
        return readWaypoints(parts, spec.parameters[0], call);
    if (!checkCount(parts, spec))
        return false;
    bool good = true;
    for (std::size_t i = 0; i < spec.parameters.size(); ++i)
        good = readArgument(parts.arguments[i], spec.parameters[i], call) && good;
    return good;
}

bool Reader::readWaypoints(const LineParts &parts, const Parameter &parameter, LevelCall &call)
{
    if (parts.arguments.empty())
        return fail(line, parts.endColumn, "a path needs at least one waypoint (x, y, z)");
    if (parts.arguments.size() > std::size_t(kMaxWaypoints))
        return fail(line, parts.arguments[kMaxWaypoints].column,
                    "a path has at most " + std::to_string(kMaxWaypoints) + " waypoints");
    bool good = true;
    for (const LineArgument &argument : parts.arguments) {
        SbVec3f point;
        good = readPoint(argument, parameter, point) && good;
        call.points.push_back(point);
    }
    return good;
}

bool Reader::readArgument(const LineArgument &argument, const Parameter &parameter, LevelCall &call)
{
    if (parameter.type == Parameter::Point || parameter.type == Parameter::Waypoints) {
        SbVec3f point;
        const bool good = readPoint(argument, parameter, point);
        call.points.push_back(point);
        return good;
    }
    if (argument.isPoint)
        return fail(line, argument.column,
                    std::string("expected a single value for ") + parameter.role + ", found a point");
    const LineWord &word = argument.word;
    float value = 0.0f;
    int index = -1;
    switch (parameter.type) {
    case Parameter::Number:
        call.numbers.push_back(value);
        return readNumber(word, parameter.role, parameter.range, call.numbers.back());
    case Parameter::Whole:
        if (!readNumber(word, parameter.role, parameter.range, value))
            return false;
        call.integers.push_back(int(value));
        return true;
    case Parameter::Flag:
        call.harmless = word.text == "true";
        return word.text == "true" || word.text == "false" ||
               fail(line, word.column,
                    std::string("expected true or false for ") + parameter.role + ", found '" + word.text + "'");
    case Parameter::TextureFile:
        call.textureFile = word.text;
        return isTextureFileName(word.text) ||
               fail(line, word.column,
                    "expected a texture file name such as grass.bmp (letters, digits, '_', "
                    "'-' and '.', ending in .bmp), found '" +
                        word.text + "'");
    case Parameter::Piece: {
        const bool good = readPiece(word, parameter, index);
        call.integers.push_back(index);
        return good;
    }
    default: return false;
    }
}

bool Reader::readPoint(const LineArgument &argument, const Parameter &parameter, SbVec3f &point)
{
    if (!argument.isPoint)
        return fail(line, argument.column,
                    std::string("expected a point (x, y, z) for ") + parameter.role + ", found '" + argument.word.text +
                        "'");
    bool good = true;
    for (int axis = 0; axis < 3; ++axis)
        good = readNumber(argument.coordinates[axis], std::string(parameter.role) + " " + kAxes[axis], parameter.range,
                          point[axis]) &&
               good;
    return good;
}

bool Reader::readNumber(const LineWord &word, const std::string &role, const NumberRange &range, float &value)
{
    std::string why;
    if (!readLevelNumber(word.text, value, why))
        return fail(line, word.column, role + ": " + why);
    if (!inRange(value, range))
        return fail(line, word.column, role + " must be " + rangeText(range) + ", found " + word.text);
    return true;
}

bool Reader::readPiece(const LineWord &word, const Parameter &parameter, int &index)
{
    const auto known = names.find(word.text);
    if (known == names.end())
        return fail(line, word.column,
                    "'" + word.text + "' is not made yet: " + parameter.role + " must be " +
                        pieceKindName(parameter.piece) + " named on an earlier line");
    if (known->second.kind != parameter.piece)
        return fail(line, word.column,
                    "'" + word.text + "' is " + pieceKindName(known->second.kind) + ", but " + parameter.role +
                        " must be " + pieceKindName(parameter.piece));
    index = known->second.index;
    return true;
}

bool Reader::checkOnce(const LevelCall &call)
{
    if (phaseOf(call.operation) != LevelPhase::Settings && call.operation != LevelOperation::SetStartPosition)
        return true;
    const auto [earlier, first] = settingLine.emplace(call.operation, line);
    return first || fail(line, call.column, "already set on line " + std::to_string(earlier->second));
}

void Reader::record(const LineParts &parts, const OperationSpec &spec, LevelCall call)
{
    if (spec.makes != PieceKind::Nothing) {
        const int index = made[spec.makes]++;
        if (!parts.name.text.empty())
            names[parts.name.text] = {spec.makes, index, line};
    }
    level.calls.push_back(std::move(call));
}

// The lines of the text, each without its line end ("\n" or "\r\n").
std::vector<std::string> splitLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size() && lines.size() <= std::size_t(kMaxLines)) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, std::min(end - start, kMaxLineLength + 2));
        if (!line.empty() && line.back() == '\r' && end - start == line.size())
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

} // namespace

LevelReading readLevel(const std::string &fileName, const std::string &text)
{
    LevelProblems problems;
    LevelReading reading;
    if (text.size() > kMaxFileBytes) {
        problems.add(1, 1, "the file is larger than " + std::to_string(kMaxFileBytes) + " bytes");
        reading.errors = problems.format(fileName);
        return reading;
    }
    const std::vector<std::string> lines = splitLines(text);
    Reader reader(problems);
    for (std::size_t i = 0; i < lines.size() && !problems.full(); ++i) {
        if (i == std::size_t(kMaxLines)) {
            problems.add(kMaxLines + 1, 1, "a level file has at most " + std::to_string(kMaxLines) + " lines");
            break;
        }
        reader.readLine(lines[i], int(i) + 1);
    }
    reading.level = reader.take();
    if (!problems.full())
        checkLevelAsWhole(reading.level, std::max<int>(int(lines.size()), 1), problems.empty(), problems);
    reading.errors = problems.format(fileName);
    if (!reading.ok())
        reading.level = LevelDescription();
    return reading;
}
