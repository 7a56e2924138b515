#pragma once
#include "levels/LevelChecks.h"
#include "levels/LevelLine.h"
#include "levels/LevelOperations.h"

#include <map>
#include <string>

// A name a level file has made: what it stands for and where.
struct NamedPiece {
    PieceKind kind;
    int index; // in its own list; -1 when the line that made it was refused
    int line;
};
using LevelNames = std::map<std::string, NamedPiece>;

// Reads the arguments of one line into its call, against the operation's
// parameters and the names made so far, and reports every argument that
// is refused.
class LevelArguments {
public:
    LevelArguments(LevelProblems &problems, const LevelNames &names, int line)
        : problems(problems), names(names), line(line)
    {
    }

    // False when any argument was refused (each one is reported).
    bool read(const LineParts &parts, const OperationSignature &signature, LevelCall &call);

private:
    bool fail(int column, std::string message)
    {
        problems.add(line, column, std::move(message));
        return false;
    }
    bool checkCount(const LineParts &parts, const OperationSignature &signature);
    bool readArgument(const LineArgument &argument, const Parameter &parameter, LevelCall &call);
    bool readWaypoints(const LineParts &parts, const Parameter &parameter, LevelCall &call);
    bool readPoint(const LineArgument &argument, const Parameter &parameter, SbVec3f &point);
    bool readNumber(const LineWord &word, const std::string &role, const NumberRange &range, float &value);
    bool readPiece(const LineWord &word, const Parameter &parameter, int &index);

    LevelProblems &problems;
    const LevelNames &names;
    const int line;
};
