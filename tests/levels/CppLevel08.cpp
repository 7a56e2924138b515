#include "CppLevels.h"

// An arena closed by a door that only a Didud can open, by stepping on a
// fenced red plate in the pit.
CppLevel08::CppLevel08() : CppScriptedLevel({"Floor.bmp", "Metal.bmp", "Brick.bmp"}) {}

void CppLevel08::buildContent()
{
    const unsigned floor = textures[0], metal = textures[1], brick = textures[2];

    const int arena = addQuadrat(SbVec3f(0, 0, 0), 60, 30, 80);
    const int backWall = addQuadrat(SbVec3f(0, 0, 0), 60, 20, 5);
    const int leftWall = addQuadrat(SbVec3f(0, 0, 5), 5, 20, 50);
    const int rightWall = addQuadrat(SbVec3f(55, 0, 5), 5, 20, 50);
    const int step1Left = addQuadrat(SbVec3f(0, 0, 55), 10, 20, 5);
    const int step1Right = addQuadrat(SbVec3f(50, 0, 55), 10, 20, 5);
    const int step2Left = addQuadrat(SbVec3f(10, 0, 55), 10, 15, 5);
    const int step2Right = addQuadrat(SbVec3f(40, 0, 55), 10, 15, 5);
    const int step3Left = addQuadrat(SbVec3f(20, 0, 55), 5, 10, 5);
    const int step3Right = addQuadrat(SbVec3f(35, 0, 55), 5, 10, 5);
    const int notch = addQuadrat(SbVec3f(25, 0, 55), 10, 5, 5);
    const int exitFloor = addQuadrat(SbVec3f(0, 0, 60), 60, 5, 20);
    const int screenLeft = addQuadrat(SbVec3f(0, 5, 60), 25, 25, 2);
    const int screenRight = addQuadrat(SbVec3f(35, 5, 60), 25, 25, 2);
    const int fenceLeft = addQuadrat(SbVec3f(27.5f, 0, 27.5f), 0.5f, 1.5f, 2.5f);
    const int fenceRight = addQuadrat(SbVec3f(31.5f, 0, 27.5f), 0.5f, 1.5f, 2.5f);
    const int fenceBack = addQuadrat(SbVec3f(28, 0, 29.5f), 3.5f, 1.5f, 0.5f);
    addEndCube(SbVec3f(29.5f, 5, 75));
    const int doorHome = addPath({SbVec3f(25, 5, 60.25f)});
    const int doorOpen = addPath({SbVec3f(25, 15, 60.25f)});
    const int plateHome = addPath({SbVec3f(28, 0, 27.5f)});
    const int platePressed = addPath({SbVec3f(27.5f, -0.25f, 27.5f)});
    const int door = addMovingQuadrat(SbVec3f(25, 5, 60.25f), 10, 25, 1.5f, doorHome, 0.1f);
    const int plate = addMovingQuadrat(SbVec3f(28, 0, 27.5f), 3.5f, 0.25f, 2, plateHome, 0.05f);
    const int plateTrigger =
        addTrigger(SbVec3f(28, 0.3f, 27.5f), SbVec3f(31.5f, 0.3f, 27.5f), SbVec3f(28, 0.3f, 29.5f), plate, platePressed, 10);
    const int doorTrigger =
        addTrigger(SbVec3f(28, 0.05f, 27.5f), SbVec3f(31.5f, 0.05f, 27.5f), SbVec3f(28, 0.05f, 29.5f), door, doorOpen, 10);

    setQuadratTextures(arena, floor, floor, brick, brick, brick, brick);
    for (int block : {backWall, leftWall, rightWall, step1Left, step1Right, step2Left, step2Right, step3Left,
                      step3Right, notch, exitFloor, screenLeft, screenRight})
        setQuadratTextures(block, brick, floor, brick, brick, brick, brick);
    setMovingQuadratTextures(door, metal, metal, metal, metal, metal, metal);
    setMovingQuadratColor(plate, 1, 0, 0);
    disablePlayerTrigger(plateTrigger);
    disablePlayerTrigger(doorTrigger);
    for (int block : {backWall, leftWall, rightWall, step1Left, step1Right, step2Left, step2Right, step3Left,
                      step3Right, notch, exitFloor, screenLeft, screenRight, fenceLeft, fenceRight, fenceBack})
        flipQuadrat(block);
    for (int box : {door, plate})
        flipMovingQuadrat(box);
}

void CppLevel08::placeActors()
{
    setStartPosition(SbVec3f(2, 24, 2));
    constexpr float kSightRange = 15.0f;
    addDidud(SbVec3f(20, 3.5f, 40), kSightRange);
    addDidud(SbVec3f(40, 3.5f, 40), kSightRange);
}
