#include "levels/LevelReader.h"

#include "levels/LevelArguments.h"
#include "levels/LevelChecks.h"
#include "levels/LevelValues.h"

#include <algorithm>
#include <map>

using namespace LevelLimits;

namespace {

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
    bool checkName(const LineParts &parts, const OperationSignature &signature);
    bool checkOnce(const LevelCall &call);
    void record(const LineParts &parts, const OperationSignature &signature, LevelCall call);

    LevelProblems &problems;
    LevelDescription level;
    LevelNames names;
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
    const OperationSignature *signature = findOperation(parts.operation.text);
    if (!signature) {
        fail(line, parts.operation.column, "unknown operation '" + parts.operation.text + "'");
        return;
    }
    LevelCall call;
    call.operation = signature->operation;
    call.line = line;
    call.column = parts.operation.column;
    const bool named = checkName(parts, *signature);
    if (LevelArguments(problems, names, line).read(parts, *signature, call) && named && checkOnce(call))
        record(parts, *signature, std::move(call));
    else if (named && !parts.name.text.empty())
        names[parts.name.text] = {signature->makes, -1, line}; // known, so later lines report no more
}

bool Reader::checkName(const LineParts &parts, const OperationSignature &signature)
{
    const LineWord &name = parts.name;
    if (signature.makes != PieceKind::Nothing && made[signature.makes] >= pieceLimit(signature.makes))
        return fail(line, parts.operation.column,
                    std::string("too many ") + pieceKindPlural(signature.makes) + ": a level has at most " +
                        std::to_string(pieceLimit(signature.makes)));
    if (name.text.empty())
        return true;
    if (signature.makes == PieceKind::Nothing)
        return fail(line, name.column, std::string(signature.name) + " makes nothing that could be named");
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

bool Reader::checkOnce(const LevelCall &call)
{
    if (phaseOf(call.operation) != LevelPhase::Settings && call.operation != LevelOperation::SetStartPosition)
        return true;
    const auto [earlier, first] = settingLine.emplace(call.operation, line);
    return first || fail(line, call.column, "already set on line " + std::to_string(earlier->second));
}

void Reader::record(const LineParts &parts, const OperationSignature &signature, LevelCall call)
{
    if (signature.makes != PieceKind::Nothing) {
        const int index = made[signature.makes]++;
        if (!parts.name.text.empty())
            names[parts.name.text] = {signature.makes, index, line};
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
