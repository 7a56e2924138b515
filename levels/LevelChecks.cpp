#include "levels/LevelChecks.h"

#include <algorithm>
#include <cstdio>

using Op = LevelOperation;

namespace {

std::string pointText(SbVec3f p)
{
    char text[96];
    std::snprintf(text, sizeof text, "(%g, %g, %g)", double(p[0]), double(p[1]), double(p[2]));
    return text;
}

bool inside(SbVec3f point, SbVec3f extent)
{
    for (int axis = 0; axis < 3; ++axis)
        if (!(point[axis] >= 0.0f && point[axis] <= extent[axis]))
            return false;
    return true;
}

// The corners that bound a static piece; nothing for other lines.
std::vector<SbVec3f> staticCorners(const LevelCall &call)
{
    const std::vector<SbVec3f> &p = call.points;
    switch (call.operation) {
    case Op::AddQuadrat: {
        const std::vector<float> &size = call.numbers;
        return {p[0], p[0] + SbVec3f(size[0], size[1], size[2])};
    }
    case Op::AddSurface:
    case Op::AddHazardousSurface: return {p[0], p[1], p[2], p[1] + p[2] - p[0]};
    case Op::AddEndCube: return {p[0]};
    default: return {};
    }
}

SbVec3f extentOf(const LevelDescription &level)
{
    for (const LevelCall &call : level.calls)
        if (call.operation == Op::SetExtent)
            return call.points[0];
    return defaultLevelExtent();
}

} // namespace

void LevelProblems::add(int line, int column, std::string message)
{
    // One line may hold several problems: the limit holds all the same.
    if (!full())
        problems.push_back({line, column, std::move(message)});
}

bool LevelProblems::full() const { return problems.size() >= std::size_t(LevelLimits::kMaxErrors); }

std::vector<std::string> LevelProblems::format(const std::string &fileName) const
{
    std::vector<Problem> sorted = problems;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Problem &a, const Problem &b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    std::vector<std::string> lines;
    for (const Problem &p : sorted)
        lines.push_back(fileName + ":" + std::to_string(p.line) + ":" + std::to_string(p.column) + ": " + p.message);
    if (full())
        lines.push_back(fileName + ": too many errors; the rest of the file was not read");
    return lines;
}

SbVec3f defaultLevelExtent() { return SbVec3f(1000.0f, 100.0f, 1000.0f); }

void checkLevelAsWhole(const LevelDescription &level, int lastLine, bool startRequired, LevelProblems &problems)
{
    const SbVec3f extent = extentOf(level);
    bool hasStart = false;
    for (const LevelCall &call : level.calls) {
        hasStart = hasStart || call.operation == Op::SetStartPosition;
        const std::vector<SbVec3f> corners = staticCorners(call);
        if (std::all_of(corners.begin(), corners.end(), [&](SbVec3f c) { return inside(c, extent); }))
            continue;
        const char *what = call.operation == Op::AddQuadrat   ? "the box"
                           : call.operation == Op::AddEndCube ? "the exit"
                                                              : "the surface";
        problems.add(call.line, call.column,
                     std::string(what) + " reaches outside the level's extent, from (0, 0, 0) to " + pointText(extent));
    }
    if (startRequired && !hasStart)
        problems.add(lastLine, 1, "no setStartPosition: a level needs the hero's start position");
}
