#include "CppLevels.h"

// Two floors separated by a green acid pool with a ferry, and two walls
// whose doors open while something stands on the green button before them.
CppLevel05::CppLevel05() : CppScriptedLevel({"Floor.bmp", "Metal.bmp", "Brick.bmp"}) {}

void CppLevel05::buildContent()
{
    const unsigned floor = textures[0], metal = textures[1], brick = textures[2];

    const int hall = addQuadrat(SbVec3f(0, 0, 0), 20, 15, 180);
    const int nearFloor = addQuadrat(SbVec3f(0, 0, 0), 20, 5, 50);
    const int farFloor = addQuadrat(SbVec3f(0, 0, 100), 20, 5, 100);
    const int wall1Left = addQuadrat(SbVec3f(0, 5, 30), 8, 10, 2);
    const int wall1Right = addQuadrat(SbVec3f(12, 5, 30), 8, 10, 2);
    const int wall2Left = addQuadrat(SbVec3f(0, 5, 130), 8, 10, 2);
    const int wall2Right = addQuadrat(SbVec3f(12, 5, 130), 8, 10, 2);
    const int acid = addHazardousSurface(SbVec3f(0, 4, 50), SbVec3f(20, 4, 50), SbVec3f(0, 4, 100));
    addEndCube(SbVec3f(10, 5, 170));
    const int door1Home = addPath({SbVec3f(8, 5, 30.5f)});
    const int door1Open = addPath({SbVec3f(8, 10, 30.5f)});
    const int door2Home = addPath({SbVec3f(8, 5, 130.5f)});
    const int door2Open = addPath({SbVec3f(8, 10, 130.5f)});
    const int button1Home = addPath({SbVec3f(1, 5, 28)});
    const int button1Down = addPath({SbVec3f(1, 4.75f, 28)});
    const int button2Home = addPath({SbVec3f(1, 5, 128)});
    const int button2Down = addPath({SbVec3f(1, 4.75f, 128)});
    const int ferryLoop = addPath({SbVec3f(4, 4, 50), SbVec3f(4, 4, 94), SbVec3f(12, 4, 94), SbVec3f(12, 4, 50)});
    const int door1 = addMovingQuadrat(SbVec3f(8, 5, 30.5f), 4, 10, 1, door1Home, 1);
    const int door2 = addMovingQuadrat(SbVec3f(8, 5, 130.5f), 4, 10, 1, door2Home, 1);
    const int button1 = addMovingQuadrat(SbVec3f(1, 5, 28), 1, 0.25f, 1, button1Home, 0.05f);
    const int button2 = addMovingQuadrat(SbVec3f(1, 5, 128), 1, 0.25f, 1, button2Home, 0.05f);
    const int ferry = addMovingQuadrat(SbVec3f(4, 4, 50), 6, 1, 6, ferryLoop, 0.1f);
    addTrigger(SbVec3f(1, 5.05f, 29), SbVec3f(1, 5.05f, 28), SbVec3f(2, 5.05f, 29), door1, door1Open, 10);
    addTrigger(SbVec3f(1, 5.05f, 129), SbVec3f(1, 5.05f, 128), SbVec3f(2, 5.05f, 129), door2, door2Open, 10);
    addTrigger(SbVec3f(1, 5.35f, 29), SbVec3f(1, 5.35f, 28), SbVec3f(2, 5.35f, 29), button1, button1Down, 10);
    addTrigger(SbVec3f(1, 5.35f, 129), SbVec3f(1, 5.35f, 128), SbVec3f(2, 5.35f, 129), button2, button2Down, 10);

    setQuadratTextures(hall, floor, floor, brick, brick, brick, brick);
    for (int block : {nearFloor, farFloor})
        setQuadratTextures(block, floor, floor, floor, floor, floor, floor);
    for (int block : {wall1Left, wall1Right, wall2Left, wall2Right})
        setQuadratTextures(block, brick, brick, brick, brick, brick, brick);
    for (int box : {door1, door2, ferry})
        setMovingQuadratTextures(box, metal, metal, metal, metal, metal, metal);
    setMovingQuadratColor(button1, 0, 1, 0);
    setMovingQuadratColor(button2, 0, 1, 0);
    setSurfaceColor(acid, 0, 0.75f, 0);
    for (int block : {nearFloor, farFloor, wall1Left, wall1Right, wall2Left, wall2Right})
        flipQuadrat(block);
    for (int box : {door1, door2, button1, button2, ferry})
        flipMovingQuadrat(box);
}

void CppLevel05::placeActors()
{
    setStartPosition(SbVec3f(10, 7, 2));
    constexpr float kBoulderRadius = 1.0f;
    addBoulder(SbVec3f(3, 8, 20), kBoulderRadius, true);
    addBoulder(SbVec3f(17, 8, 45), kBoulderRadius, true);
}
