#pragma once
// What the level-file reader must hold for any input: a refused file
// hands out nothing and names its errors as FILE:LINE:COLUMN in one line
// each; an accepted one keeps every promise the builder relies on (indices
// of pieces made before, textures loaded, finite numbers, waypoints, one
// start position, limits). Header-only, like TextChecks.h: the fuzz target
// aborts on a non-empty answer, the tests replay the level files through
// it.
#include "levels/LevelOperations.h"
#include "levels/LevelReader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>

namespace fuzz {

inline std::string checkLevelErrors(const LevelReading &reading, const std::string &name)
{
    if (!reading.level.calls.empty())
        return "a refused file hands out calls";
    if (reading.errors.size() > std::size_t(LevelLimits::kMaxErrors) + 1)
        return "more errors than the reader reports";
    for (const std::string &error : reading.errors) {
        int line = 0, column = 0;
        const bool placed =
            std::sscanf(error.c_str() + std::min(error.size(), name.size()), ":%d:%d: ", &line, &column) == 2 &&
            line >= 1 && column >= 1;
        const bool stopped = error == name + ": too many errors; the rest of the file was not read";
        if (error.compare(0, name.size(), name) != 0 || error.find('\n') != std::string::npos || !(placed || stopped))
            return "an error that is not FILE:LINE:COLUMN: message in one line: " + error;
    }
    return {};
}

inline bool finite(SbVec3f p) { return std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]); }

// The arguments of one accepted call against its operation's parameters.
inline std::string checkCall(const LevelCall &call, const OperationSignature &signature, std::map<PieceKind, int> &made)
{
    std::size_t points = 0, numbers = 0, integers = 0;
    for (const Parameter &parameter : signature.parameters) {
        switch (parameter.type) {
        case Parameter::Point: ++points; break;
        case Parameter::Waypoints: points = call.points.size(); break;
        case Parameter::Number: ++numbers; break;
        case Parameter::Whole: ++integers; break;
        case Parameter::Piece: {
            const int index = integers < call.integers.size() ? call.integers[integers] : -1;
            if (index < 0 || index >= made[parameter.piece])
                return std::string("an index of no earlier ") + pieceKindName(parameter.piece) + " in " + signature.name;
            ++integers;
            break;
        }
        default: break;
        }
    }
    if (call.points.size() != points || call.numbers.size() != numbers || call.integers.size() != integers)
        return std::string("arguments of the wrong number in ") + signature.name;
    if (signature.operation == LevelOperation::AddPath && (points == 0 || points > std::size_t(LevelLimits::kMaxWaypoints)))
        return "a path of no or too many waypoints";
    for (SbVec3f p : call.points)
        if (!finite(p))
            return std::string("a point that is not finite in ") + signature.name;
    for (float n : call.numbers)
        if (!std::isfinite(n))
            return std::string("a number that is not finite in ") + signature.name;
    if (signature.makes != PieceKind::Nothing && ++made[signature.makes] > pieceLimit(signature.makes))
        return std::string("more ") + pieceKindPlural(signature.makes) + " than a level may have";
    return {};
}

inline std::string checkLevelFile(const std::string &text)
{
    const std::string name = "fuzz.level";
    const LevelReading reading = readLevel(name, text);
    if (!reading.ok())
        return checkLevelErrors(reading, name);
    std::map<PieceKind, int> made;
    int starts = 0;
    for (const LevelCall &call : reading.level.calls) {
        const OperationSignature *signature = nullptr;
        for (const OperationSignature &candidate : levelOperations())
            if (candidate.operation == call.operation)
                signature = &candidate;
        if (!signature)
            return "a call of no known operation";
        if (std::string problem = checkCall(call, *signature, made); !problem.empty())
            return problem;
        starts += call.operation == LevelOperation::SetStartPosition ? 1 : 0;
    }
    return starts == 1 ? std::string() : "an accepted level without exactly one start position";
}

} // namespace fuzz
