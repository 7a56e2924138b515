#pragma once
#include <Inventor/SbVec3f.h>
#include <string>
#include <vector>

// A level as its level file tells it: the lines in file order, each a call
// of the level-building vocabulary with its arguments resolved (names
// turned into indices). A description handed out by the reader is
// complete and consistent: every index names a piece that an earlier line
// made, every number is finite and within the limits below, there is one
// start position and all static geometry lies inside the level's extent.
// Building from it therefore cannot fail half-way.

enum class LevelOperation {
    // The level's textures and settings.
    LoadTexture,
    SetExtent,
    SetGravity,
    SetStartHeading,
    // The building table.
    AddQuadrat,
    AddMovingQuadrat,
    AddTrigger,
    AddSurface,
    AddHazardousSurface,
    AddEndCube,
    AddPath,
    SetQuadratColor,
    SetQuadratTextures,
    FlipQuadrat,
    SetMovingQuadratColor,
    SetMovingQuadratTextures,
    FlipMovingQuadrat,
    SetSurfaceColor,
    SetSurfaceTexture,
    FlipSurface,
    DisablePlayerTrigger,
    // The actors, placed after the building is finished.
    SetStartPosition,
    AddBoulder,
    AddDidud,
};

// When a line takes effect while the level is set up: the settings first,
// then the textures are loaded, then the building runs, then the actors
// are placed; within each phase in file order.
enum class LevelPhase { Settings, Textures, Building, Actors };
LevelPhase phaseOf(LevelOperation operation);

// One line. Arguments are kept by type, each list in argument order:
// points (corners, origins, waypoints, positions), numbers (sizes, speed,
// colour, radius, sight range, heading), integers (pieces by their index
// in their own list, textures by their place among the loadTexture lines,
// the delay in steps).
struct LevelCall {
    LevelOperation operation = LevelOperation::AddQuadrat;
    std::vector<SbVec3f> points;
    std::vector<float> numbers;
    std::vector<int> integers;
    bool harmless = false;   // addBoulder
    std::string textureFile; // loadTexture, a bare file name in the texture folder
    int line = 0;            // where the file says it, 1-based
    int column = 0;
};

struct LevelDescription {
    std::vector<LevelCall> calls;
};

// What a level file may ask for at most, so that no file can make the
// game read, build or simulate without bound.
namespace LevelLimits {
constexpr std::size_t kMaxFileBytes = 1 << 20;
constexpr std::size_t kMaxLineLength = 1000; // bytes, comments included
constexpr int kMaxLines = 20000;
constexpr std::size_t kMaxNameLength = 64;
constexpr int kMaxErrors = 20; // reported; the reader stops after these
constexpr int kMaxTextures = 16;
constexpr int kMaxBoxes = 1000;    // static boxes, six faces each
constexpr int kMaxSurfaces = 1000; // plain and hazardous together
constexpr int kMaxEndCubes = 100;
constexpr int kMaxPaths = 1000;
constexpr int kMaxWaypoints = 100;   // per path
constexpr int kMaxMovingBoxes = 100; // each is tested against every actor every step
constexpr int kMaxTriggers = 100;
constexpr int kMaxActors = 100; // boulders and Vavodi together
// World units: coordinates, sizes, speeds per step and sight ranges.
constexpr float kMaxCoordinate = 100000.0f;
// The extent (the collision grid's one cell) in whole world units.
constexpr float kMaxExtent = 100000.0f;
// World units per step, per step, each component.
constexpr float kMaxGravity = 10.0f;
constexpr float kMaxBoulderRadius = 100.0f;
// Steps; Trigger::kNever (-1) is allowed too.
constexpr int kMaxDelay = 1000000;
// Degrees, from 0 up to (not including) a full turn.
constexpr float kFullTurn = 360.0f;
} // namespace LevelLimits
