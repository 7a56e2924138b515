#include "levels/LevelBuilder.h"

#include "sim/Level.h"

using Op = LevelOperation;

namespace {

// The six face textures of a box line, from the integer after the box.
struct FaceTextures {
    unsigned face[6];
};

FaceTextures faceTextures(const LevelCall &call, const std::vector<unsigned> &textures)
{
    FaceTextures faces{};
    for (int i = 0; i < 6; ++i)
        faces.face[i] = textures[std::size_t(call.integers[std::size_t(i) + 1])];
    return faces;
}

void buildCreating(Level &level, const LevelCall &call)
{
    const std::vector<SbVec3f> &p = call.points;
    const std::vector<float> &n = call.numbers;
    const std::vector<int> &i = call.integers;
    switch (call.operation) {
    case Op::AddQuadrat: level.addQuadrat(p[0], n[0], n[1], n[2]); break;
    case Op::AddMovingQuadrat: level.addMovingQuadrat(p[0], n[0], n[1], n[2], i[0], n[3]); break;
    case Op::AddTrigger: level.addTrigger(p[0], p[1], p[2], i[0], i[1], i[2]); break;
    case Op::AddSurface: level.addSurface(p[0], p[1], p[2]); break;
    case Op::AddHazardousSurface: level.addHazardousSurface(p[0], p[1], p[2]); break;
    case Op::AddEndCube: level.addEndCube(p[0]); break;
    case Op::AddPath: level.addPath(p.data(), int(p.size())); break;
    default: break;
    }
}

void buildLine(Level &level, const LevelCall &call, const std::vector<unsigned> &textures)
{
    const std::vector<float> &n = call.numbers;
    const int piece = call.integers.empty() ? -1 : call.integers[0];
    switch (call.operation) {
    case Op::SetQuadratColor: level.setQuadratColor(piece, n[0], n[1], n[2]); break;
    case Op::SetQuadratTextures: {
        const FaceTextures t = faceTextures(call, textures);
        level.setQuadratTextures(piece, t.face[0], t.face[1], t.face[2], t.face[3], t.face[4], t.face[5]);
        break;
    }
    case Op::FlipQuadrat: level.flipQuadrat(piece); break;
    case Op::SetMovingQuadratColor: level.setMovingQuadratColor(piece, n[0], n[1], n[2]); break;
    case Op::SetMovingQuadratTextures: {
        const FaceTextures t = faceTextures(call, textures);
        level.setMovingQuadratTextures(piece, t.face[0], t.face[1], t.face[2], t.face[3], t.face[4], t.face[5]);
        break;
    }
    case Op::FlipMovingQuadrat: level.flipMovingQuadrat(piece); break;
    case Op::SetSurfaceColor: level.setSurfaceColor(piece, n[0], n[1], n[2]); break;
    case Op::SetSurfaceTexture: level.setSurfaceTexture(piece, textures[std::size_t(call.integers[1])]); break;
    case Op::FlipSurface: level.flipSurface(piece); break;
    case Op::DisablePlayerTrigger: level.disablePlayerTrigger(piece); break;
    default: buildCreating(level, call); break;
    }
}

} // namespace

void buildLevelContent(Level &level, const LevelDescription &description, const std::vector<unsigned> &textures)
{
    for (const LevelCall &call : description.calls)
        if (phaseOf(call.operation) == LevelPhase::Building)
            buildLine(level, call, textures);
}

void placeLevelActors(Level &level, const LevelDescription &description)
{
    for (const LevelCall &call : description.calls) {
        switch (call.operation) {
        case Op::SetStartPosition: level.setStartPosition(call.points[0]); break;
        case Op::AddBoulder: level.addBoulder(call.points[0], call.numbers[0], call.harmless); break;
        case Op::AddDidud: level.addDidud(call.points[0], call.numbers[0]); break;
        default: break;
        }
    }
}
