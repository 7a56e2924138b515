#include "levels/LevelLine.h"

#include <cstdio>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isSpecial(char c) { return c == '(' || c == ')' || c == ',' || c == '=' || c == '#'; }
// Printable ASCII; anything else is allowed in comments only.
bool isAllowed(char c) { return c >= 0x20 && c < 0x7F; }

// Walks one line; every method leaves `at` on the next character to look at.
class LineScanner {
public:
    LineScanner(const std::string &line, LineProblem &problem) : line(line), problem(problem) {}

    int column() const { return int(at) + 1; }
    // Just past the last word or sign taken.
    int endColumn() const { return int(taken) + 1; }
    bool atEnd()
    {
        while (at < line.size() && isBlank(line[at]))
            ++at;
        return at == line.size() || line[at] == '#';
    }
    char peek() const { return line[at]; }
    void skip() { ++at; }

    bool fail(int where, std::string message)
    {
        problem.column = where;
        problem.message = std::move(message);
        return false;
    }

    // A word at the current position (after blanks), or a problem naming
    // what was expected there.
    bool word(LineWord &out, const char *expected)
    {
        if (atEnd() || isSpecial(peek()))
            return missing(expected);
        if (!isAllowed(peek()))
            return badCharacter();
        out.column = column();
        const std::size_t start = at;
        while (at < line.size() && !isBlank(line[at]) && !isSpecial(line[at])) {
            if (!isAllowed(line[at]))
                return badCharacter();
            ++at;
        }
        out.text = line.substr(start, at - start);
        taken = at;
        return true;
    }

    bool expect(char wanted, const char *expected)
    {
        if (atEnd() || peek() != wanted)
            return missing(expected);
        skip();
        taken = at;
        return true;
    }

    // "expected X, found Y" at the current position.
    bool missing(const char *expected)
    {
        if (!atEnd() && !isAllowed(peek()))
            return badCharacter();
        const std::string found = atEnd() ? "the end of the line" : std::string("'") + peek() + "'";
        return fail(column(), std::string("expected ") + expected + ", found " + found);
    }

    // "(x, y, z)", the '(' not yet taken.
    bool point(LineArgument &out)
    {
        out.isPoint = true;
        out.column = column();
        skip();
        static const char *const kCoordinate[3] = {"the point's x", "the point's y", "the point's z"};
        for (int i = 0; i < 3; ++i) {
            if (i > 0 && !expect(',', "',' between the point's coordinates"))
                return false;
            if (!word(out.coordinates[i], kCoordinate[i]))
                return false;
        }
        return expect(')', "')' after the point's three coordinates");
    }

    bool badCharacter()
    {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", unsigned(static_cast<unsigned char>(peek())));
        return fail(column(), std::string("character ") + hex + " is not allowed outside a comment");
    }

private:
    const std::string &line;
    LineProblem &problem;
    std::size_t at = 0;
    std::size_t taken = 0;
};

bool readArguments(LineScanner &scan, LineParts &parts)
{
    while (!scan.atEnd()) {
        LineArgument argument;
        const char c = scan.peek();
        if (c == '(') {
            if (!scan.point(argument))
                return false;
        } else if (c == ')' || c == ',' || c == '=') {
            return scan.fail(scan.column(), std::string("unexpected '") + c + "' after the operation");
        } else {
            if (!scan.word(argument.word, "an argument"))
                return false;
            argument.column = argument.word.column;
        }
        parts.arguments.push_back(argument);
    }
    return true;
}

} // namespace

bool splitLevelLine(const std::string &line, LineParts &parts, LineProblem &problem)
{
    parts = LineParts();
    LineScanner scan(line, problem);
    if (scan.atEnd())
        return true;
    LineWord first;
    if (!scan.word(first, "an operation or a name"))
        return false;
    if (!scan.atEnd() && scan.peek() == '=') {
        scan.skip();
        parts.name = first;
        if (!scan.word(parts.operation, "an operation after '='"))
            return false;
    } else {
        parts.operation = first;
    }
    if (!readArguments(scan, parts))
        return false;
    parts.endColumn = scan.endColumn();
    return true;
}
