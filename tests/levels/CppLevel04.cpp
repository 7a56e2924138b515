#include "CppLevels.h"

// A valley between two ramps under a sloped ceiling, with rolling boulders.
CppLevel04::CppLevel04() : CppScriptedLevel({"Boden1.bmp", "Boden2.bmp", "Ceil1.bmp"}) {}

void CppLevel04::configure()
{
    // This level keeps whatever start heading and run key it had.
    useStandardExtentAndGravity();
}

void CppLevel04::buildContent()
{
    const unsigned ground = textures[0], ramp = textures[1], ceiling = textures[2];

    const int valley = addQuadrat(SbVec3f(100, 0, 0), 21, 20, 100);
    const int farCeiling = addSurface(SbVec3f(100, 10, 50), SbVec3f(121, 10, 50), SbVec3f(100, 15, 100));
    const int nearCeiling = addSurface(SbVec3f(100, 15, 0), SbVec3f(121, 15, 0), SbVec3f(100, 10, 50));
    const int farRamp = addSurface(SbVec3f(100, 0, 50), SbVec3f(121, 0, 50), SbVec3f(100, 5, 100));
    const int nearRamp = addSurface(SbVec3f(100, 5, 0), SbVec3f(121, 5, 0), SbVec3f(100, 0, 50));
    addEndCube(SbVec3f(109, 5, 90));

    setQuadratTextures(valley, ground, ground, ground, ground, ground, ground);
    setSurfaceTexture(farCeiling, ceiling);
    setSurfaceTexture(nearCeiling, ceiling);
    setSurfaceTexture(farRamp, ramp);
    setSurfaceTexture(nearRamp, ramp);
    flipSurface(farCeiling);
    flipSurface(nearCeiling);
}

void CppLevel04::placeActors()
{
    setStartPosition(SbVec3f(102, 6, 0));
    constexpr float kBoulderRadius = 3.5f;
    addBoulder(SbVec3f(110.5f, 8, 20), kBoulderRadius, false);
    addBoulder(SbVec3f(103.5f, 8, 80), kBoulderRadius, false);
    addBoulder(SbVec3f(117.5f, 8, 80), kBoulderRadius, false);
}
