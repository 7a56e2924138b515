#pragma once
#include "levels/LevelDescription.h"

#include <string>
#include <vector>

// The vocabulary of level files: every operation with the kind of piece it
// makes and its parameters in order. The reader checks each line against
// this table; the documentation for players lists the same.

// What a name in a level file stands for.
enum class PieceKind { Nothing, Texture, Box, MovingBox, Path, Trigger, Surface, EndCube, Actor };
// "a box", "a moving box", ...; and "boxes", "moving boxes", ...
const char *pieceKindName(PieceKind kind);
const char *pieceKindPlural(PieceKind kind);
// How many pieces of the kind a level may make.
int pieceLimit(PieceKind kind);

// The values a number may take; `whole` asks for a whole number.
struct NumberRange {
    float low;
    bool lowIncluded;
    float high;
    bool highIncluded;
    bool whole;
};

struct Parameter {
    enum Type {
        Point,       // "(x, y, z)", each coordinate in range
        Number,      // in range
        Whole,       // a whole number in range, kept with the integers
        Waypoints,   // one or more points, the rest of the line
        Flag,        // true or false
        TextureFile, // a bare file name ending in .bmp
        Piece,       // the name of a piece of kind `piece`
    };
    Type type;
    const char *role; // as the error messages and the documentation name it
    NumberRange range{};
    PieceKind piece = PieceKind::Nothing;
};

struct OperationSignature {
    const char *name;
    LevelOperation operation;
    PieceKind makes; // Nothing: the line may not name a result
    std::vector<Parameter> parameters;
};

// Null for a name that is no operation.
const OperationSignature *findOperation(const std::string &name);
const std::vector<OperationSignature> &levelOperations();
