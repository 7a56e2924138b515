#include "levels/LevelOperations.h"

using namespace LevelLimits;
using Op = LevelOperation;
using P = Parameter;

namespace {

// World units, per component.
constexpr NumberRange kCoordinate{-kMaxCoordinate, true, kMaxCoordinate, true, false};
constexpr NumberRange kSize{0.0f, false, kMaxCoordinate, true, false};
// World units per step; 0 keeps a box still.
constexpr NumberRange kSpeed{0.0f, true, kMaxCoordinate, true, false};
constexpr NumberRange kColour{0.0f, true, 1.0f, true, false};
constexpr NumberRange kRadius{0.0f, false, kMaxBoulderRadius, true, false};
constexpr NumberRange kSightRange{0.0f, true, kMaxCoordinate, true, false};
constexpr NumberRange kHeading{0.0f, true, kFullTurn, false, false};
constexpr NumberRange kExtent{1.0f, true, kMaxExtent, true, true};
constexpr NumberRange kGravity{-kMaxGravity, true, kMaxGravity, true, false};
// Steps, or -1: never sent home.
constexpr NumberRange kDelay{-1.0f, true, float(kMaxDelay), true, true};

P point(const char *role, NumberRange range = kCoordinate) { return {P::Point, role, range}; }
P number(const char *role, NumberRange range) { return {P::Number, role, range}; }
P piece(const char *role, PieceKind kind) { return {P::Piece, role, {}, kind}; }
P texture(const char *role) { return piece(role, PieceKind::Texture); }

std::vector<P> corners() { return {point("corner 0"), point("corner 1"), point("corner 2")}; }
std::vector<P> boxSizes(const char *originRole)
{
    return {point(originRole), number("size x", kSize), number("size y", kSize), number("size z", kSize)};
}
std::vector<P> colour(P box)
{
    return {box, number("red", kColour), number("green", kColour), number("blue", kColour)};
}
std::vector<P> faceTextures(P box)
{
    return {box, texture("bottom"), texture("top"), texture("front"),
            texture("left"), texture("right"), texture("back")};
}
std::vector<P> concat(std::vector<P> first, std::initializer_list<P> more)
{
    first.insert(first.end(), more);
    return first;
}

std::vector<OperationSignature> makeTable()
{
    using K = PieceKind;
    const P box = piece("box", K::Box), movingBox = piece("moving box", K::MovingBox),
            surface = piece("surface", K::Surface);
    return {
        {"loadTexture", Op::LoadTexture, K::Texture, {{P::TextureFile, "file"}}},
        {"setExtent", Op::SetExtent, K::Nothing, {point("extent", kExtent)}},
        {"setGravity", Op::SetGravity, K::Nothing, {point("gravity", kGravity)}},
        {"setStartHeading", Op::SetStartHeading, K::Nothing, {number("heading", kHeading)}},
        {"addQuadrat", Op::AddQuadrat, K::Box, boxSizes("origin")},
        {"addMovingQuadrat", Op::AddMovingQuadrat, K::MovingBox,
         concat(boxSizes("origin"), {piece("path", K::Path), number("speed", kSpeed)})},
        {"addTrigger", Op::AddTrigger, K::Trigger,
         concat(corners(), {movingBox, piece("path", K::Path), {P::Whole, "delay", kDelay}})},
        {"addSurface", Op::AddSurface, K::Surface, corners()},
        {"addHazardousSurface", Op::AddHazardousSurface, K::Surface, corners()},
        {"addEndCube", Op::AddEndCube, K::EndCube, {point("position")}},
        {"addPath", Op::AddPath, K::Path, {{P::Waypoints, "waypoints", kCoordinate}}},
        {"setQuadratColor", Op::SetQuadratColor, K::Nothing, colour(box)},
        {"setQuadratTextures", Op::SetQuadratTextures, K::Nothing, faceTextures(box)},
        {"flipQuadrat", Op::FlipQuadrat, K::Nothing, {box}},
        {"setMovingQuadratColor", Op::SetMovingQuadratColor, K::Nothing, colour(movingBox)},
        {"setMovingQuadratTextures", Op::SetMovingQuadratTextures, K::Nothing, faceTextures(movingBox)},
        {"flipMovingQuadrat", Op::FlipMovingQuadrat, K::Nothing, {movingBox}},
        {"setSurfaceColor", Op::SetSurfaceColor, K::Nothing, colour(surface)},
        {"setSurfaceTexture", Op::SetSurfaceTexture, K::Nothing, {surface, texture("texture")}},
        {"flipSurface", Op::FlipSurface, K::Nothing, {surface}},
        {"disablePlayerTrigger", Op::DisablePlayerTrigger, K::Nothing, {piece("trigger", K::Trigger)}},
        {"setStartPosition", Op::SetStartPosition, K::Nothing, {point("position")}},
        {"addBoulder", Op::AddBoulder, K::Actor,
         {point("position"), number("radius", kRadius), {P::Flag, "harmless"}}},
        {"addDidud", Op::AddDidud, K::Actor, {point("position"), number("sight range", kSightRange)}},
    };
}

} // namespace

const std::vector<OperationSignature> &levelOperations()
{
    static const std::vector<OperationSignature> table = makeTable();
    return table;
}

const OperationSignature *findOperation(const std::string &name)
{
    for (const OperationSignature &signature : levelOperations())
        if (name == signature.name)
            return &signature;
    return nullptr;
}

LevelPhase phaseOf(LevelOperation operation)
{
    switch (operation) {
    case Op::SetExtent:
    case Op::SetGravity:
    case Op::SetStartHeading: return LevelPhase::Settings;
    case Op::LoadTexture: return LevelPhase::Textures;
    case Op::SetStartPosition:
    case Op::AddBoulder:
    case Op::AddDidud: return LevelPhase::Actors;
    default: return LevelPhase::Building;
    }
}

const char *pieceKindName(PieceKind kind)
{
    switch (kind) {
    case PieceKind::Texture: return "a texture";
    case PieceKind::Box: return "a box";
    case PieceKind::MovingBox: return "a moving box";
    case PieceKind::Path: return "a path";
    case PieceKind::Trigger: return "a trigger";
    case PieceKind::Surface: return "a surface";
    case PieceKind::EndCube: return "an exit";
    case PieceKind::Actor: return "an actor";
    case PieceKind::Nothing: break;
    }
    return "nothing";
}

const char *pieceKindPlural(PieceKind kind)
{
    switch (kind) {
    case PieceKind::Texture: return "textures";
    case PieceKind::Box: return "boxes";
    case PieceKind::MovingBox: return "moving boxes";
    case PieceKind::Path: return "paths";
    case PieceKind::Trigger: return "triggers";
    case PieceKind::Surface: return "surfaces";
    case PieceKind::EndCube: return "exits";
    case PieceKind::Actor: return "boulders and Vavodi";
    case PieceKind::Nothing: break;
    }
    return "nothing";
}

int pieceLimit(PieceKind kind)
{
    switch (kind) {
    case PieceKind::Texture: return kMaxTextures;
    case PieceKind::Box: return kMaxBoxes;
    case PieceKind::MovingBox: return kMaxMovingBoxes;
    case PieceKind::Path: return kMaxPaths;
    case PieceKind::Trigger: return kMaxTriggers;
    case PieceKind::Surface: return kMaxSurfaces;
    case PieceKind::EndCube: return kMaxEndCubes;
    case PieceKind::Actor: return kMaxActors;
    case PieceKind::Nothing: break;
    }
    return 0;
}
