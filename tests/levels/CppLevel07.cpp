#include "CppLevels.h"

// A lava gap with a bridge, a button that lets the bridge sink, and a
// Didud guarding the exit.
CppLevel07::CppLevel07() : CppScriptedLevel({"blueStone.bmp", "grass.bmp", "lava.bmp"}) {}

void CppLevel07::buildContent()
{
    const unsigned stone = textures[0], grass = textures[1];

    const int hall = addQuadrat(SbVec3f(0, 0, 0), 20, 5, 100);
    const int farFloor = addQuadrat(SbVec3f(0, 0, 20), 20, 2, 80);
    const int nearFloor = addQuadrat(SbVec3f(0, 0, 0), 20, 2, 15);
    const int gateLeft = addQuadrat(SbVec3f(0, 2, 90), 8.5f, 3, 10);
    const int gateRight = addQuadrat(SbVec3f(11.5f, 2, 90), 8.5f, 3, 10);
    const int lava = addHazardousSurface(SbVec3f(0, 1.25f, 15), SbVec3f(20, 1.25f, 15), SbVec3f(0, 1.25f, 20));
    addEndCube(SbVec3f(9.5f, 2, 99.5f));
    const int bridgeHome = addPath({SbVec3f(0, 1, 15)});
    const int buttonHome = addPath({SbVec3f(9.5f, 2, 10)});
    const int bridgeSunk = addPath({SbVec3f(0, 0, 15)});
    const int buttonDown = addPath({SbVec3f(9.5f, 1.75f, 10)});
    const int bridge = addMovingQuadrat(SbVec3f(0, 1, 15), 20, 1, 5, bridgeHome, 0.1f);
    const int button = addMovingQuadrat(SbVec3f(9.5f, 2, 10), 1, 0.25f, 1, buttonHome, 0.05f);
    addTrigger(SbVec3f(9.5f, 2.35f, 10), SbVec3f(10.5f, 2.35f, 10), SbVec3f(9.5f, 2.35f, 11), button, buttonDown, 10);
    addTrigger(SbVec3f(9.5f, 2.05f, 10), SbVec3f(10.5f, 2.05f, 10), SbVec3f(9.5f, 2.05f, 11), bridge, bridgeSunk, 10);

    setQuadratTextures(hall, stone, stone, stone, stone, stone, stone);
    for (int block : {farFloor, nearFloor})
        setQuadratTextures(block, stone, grass, stone, stone, stone, stone);
    for (int block : {gateLeft, gateRight})
        setQuadratTextures(block, stone, stone, stone, stone, stone, stone);
    setMovingQuadratTextures(bridge, stone, grass, stone, stone, stone, stone);
    setMovingQuadratColor(button, 0, 1, 0);
    setSurfaceColor(lava, 1, 0, 0);
    for (int block : {farFloor, nearFloor, gateLeft, gateRight})
        flipQuadrat(block);
    for (int box : {bridge, button})
        flipMovingQuadrat(box);
}

void CppLevel07::placeActors()
{
    setStartPosition(SbVec3f(10, 3.5f, 2));
    addDidud(SbVec3f(10, 3.5f, 90), 30);
}
