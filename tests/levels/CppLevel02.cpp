#include "CppLevels.h"

// A narrow corridor under three pistons.
CppLevel02::CppLevel02() : CppScriptedLevel({"Floor.bmp", "Metal.bmp", "Brick.bmp"}) {}

void CppLevel02::buildContent()
{
    const unsigned floor = textures[0], metal = textures[1], brick = textures[2];

    const int corridor = addQuadrat(SbVec3f(100, 0, 0), 6, 20, 98);
    const int ceiling1 = addQuadrat(SbVec3f(100, 6, 0), 6, 14, 20);
    const int ceiling2 = addQuadrat(SbVec3f(100, 6, 26), 6, 14, 20);
    const int ceiling3 = addQuadrat(SbVec3f(100, 6, 52), 6, 14, 20);
    const int ceiling4 = addQuadrat(SbVec3f(100, 6, 78), 6, 14, 20);
    addEndCube(SbVec3f(102, 0, 90));
    const SbVec3f stroke1[] = {SbVec3f(100, 15, 20), SbVec3f(100, 0, 20)};
    const int path1 = addPath(stroke1, 2);
    const SbVec3f stroke2[] = {SbVec3f(100, 15, 46), SbVec3f(100, 0, 46)};
    const int path2 = addPath(stroke2, 2);
    const SbVec3f stroke3[] = {SbVec3f(100, 15, 72), SbVec3f(100, 0, 72)};
    const int path3 = addPath(stroke3, 2);
    const int piston1 = addMovingQuadrat(SbVec3f(100, 0, 20), 6, 20, 6, path1, 1);
    const int piston2 = addMovingQuadrat(SbVec3f(100, 5, 46), 6, 20, 6, path2, 1);
    const int piston3 = addMovingQuadrat(SbVec3f(100, 10, 72), 6, 20, 6, path3, 1);

    for (int block : {ceiling1, ceiling2, ceiling3, ceiling4})
        flipQuadrat(block);
    for (int piston : {piston1, piston2, piston3})
        flipMovingQuadrat(piston);
    setQuadratTextures(corridor, floor, brick, brick, brick, brick, brick);
    for (int block : {ceiling1, ceiling2, ceiling3, ceiling4})
        setQuadratTextures(block, floor, floor, floor, floor, floor, floor);
    for (int piston : {piston1, piston2, piston3})
        setMovingQuadratTextures(piston, metal, metal, metal, metal, metal, metal);
}

void CppLevel02::placeActors() { setStartPosition(SbVec3f(102, 2, 0)); }
