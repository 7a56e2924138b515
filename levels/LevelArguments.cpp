#include "levels/LevelArguments.h"

#include "levels/LevelValues.h"

using namespace LevelLimits;

namespace {
constexpr const char *kAxes[3] = {"x", "y", "z"};
} // namespace

bool LevelArguments::read(const LineParts &parts, const OperationSignature &signature, LevelCall &call)
{
    if (!signature.parameters.empty() && signature.parameters[0].type == Parameter::Waypoints)
        return readWaypoints(parts, signature.parameters[0], call);
    if (!checkCount(parts, signature))
        return false;
    bool good = true;
    for (std::size_t i = 0; i < signature.parameters.size(); ++i)
        good = readArgument(parts.arguments[i], signature.parameters[i], call) && good;
    return good;
}

bool LevelArguments::checkCount(const LineParts &parts, const OperationSignature &signature)
{
    const std::size_t wanted = signature.parameters.size(), found = parts.arguments.size();
    if (wanted == found)
        return true;
    std::string roles;
    for (const Parameter &parameter : signature.parameters)
        roles += (roles.empty() ? "" : ", ") + std::string(parameter.role);
    const std::string takes = std::string(signature.name) + " takes " + std::to_string(wanted) +
                              (wanted == 1 ? " argument" : " arguments") + (roles.empty() ? "" : " (" + roles + ")");
    if (found > wanted)
        return fail(parts.arguments[wanted].column,
                    "unexpected '" +
                        (parts.arguments[wanted].isPoint ? std::string("(") : parts.arguments[wanted].word.text) +
                        "' after the arguments: " + takes);
    return fail(parts.endColumn, "too few arguments: " + takes + ", found " + std::to_string(found));
}

bool LevelArguments::readWaypoints(const LineParts &parts, const Parameter &parameter, LevelCall &call)
{
    if (parts.arguments.empty())
        return fail(parts.endColumn, "a path needs at least one waypoint (x, y, z)");
    if (parts.arguments.size() > std::size_t(kMaxWaypoints))
        return fail(parts.arguments[kMaxWaypoints].column,
                    "a path has at most " + std::to_string(kMaxWaypoints) + " waypoints");
    bool good = true;
    for (const LineArgument &argument : parts.arguments) {
        SbVec3f point;
        good = readPoint(argument, parameter, point) && good;
        call.points.push_back(point);
    }
    return good;
}

bool LevelArguments::readArgument(const LineArgument &argument, const Parameter &parameter, LevelCall &call)
{
    if (parameter.type == Parameter::Point || parameter.type == Parameter::Waypoints) {
        SbVec3f point;
        const bool good = readPoint(argument, parameter, point);
        call.points.push_back(point);
        return good;
    }
    if (argument.isPoint)
        return fail(argument.column, std::string("expected a single value for ") + parameter.role + ", found a point");
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
               fail(word.column,
                    std::string("expected true or false for ") + parameter.role + ", found '" + word.text + "'");
    case Parameter::TextureFile:
        call.textureFile = word.text;
        return isTextureFileName(word.text) ||
               fail(word.column, "expected a texture file name such as grass.bmp (letters, digits, '_', "
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

bool LevelArguments::readPoint(const LineArgument &argument, const Parameter &parameter, SbVec3f &point)
{
    if (!argument.isPoint)
        return fail(argument.column, std::string("expected a point (x, y, z) for ") + parameter.role + ", found '" +
                                         argument.word.text + "'");
    bool good = true;
    for (int axis = 0; axis < 3; ++axis)
        good = readNumber(argument.coordinates[axis], std::string(parameter.role) + " " + kAxes[axis], parameter.range,
                          point[axis]) &&
               good;
    return good;
}

bool LevelArguments::readNumber(const LineWord &word, const std::string &role, const NumberRange &range, float &value)
{
    std::string why;
    if (!readLevelNumber(word.text, value, why))
        return fail(word.column, role + ": " + why);
    if (!inRange(value, range))
        return fail(word.column, role + " must be " + rangeText(range) + ", found " + word.text);
    return true;
}

bool LevelArguments::readPiece(const LineWord &word, const Parameter &parameter, int &index)
{
    const auto known = names.find(word.text);
    if (known == names.end())
        return fail(word.column, "'" + word.text + "' is not made yet: " + parameter.role + " must be " +
                                     pieceKindName(parameter.piece) + " named on an earlier line");
    if (known->second.kind != parameter.piece)
        return fail(word.column, "'" + word.text + "' is " + pieceKindName(known->second.kind) + ", but " +
                                     parameter.role + " must be " + pieceKindName(parameter.piece));
    index = known->second.index;
    return true;
}
