#include "CppLevels.h"

// A hall with low hurdles, swept by a sliding wall.
CppLevel03::CppLevel03() : CppScriptedLevel({"Floor.bmp", "Metal.bmp", "Brick.bmp"}) {}

void CppLevel03::buildContent()
{
    const unsigned floor = textures[0], metal = textures[1], brick = textures[2];

    const int hall = addQuadrat(SbVec3f(100, 0, 0), 20, 10, 100);
    const int hurdle1 = addQuadrat(SbVec3f(100, 0, 35), 20, 5, 1);
    const int hurdle2 = addQuadrat(SbVec3f(100, 5, 40), 20, 5, 1);
    const int hurdle3 = addQuadrat(SbVec3f(100, 0, 45), 20, 5, 1);
    const int hurdle4 = addQuadrat(SbVec3f(100, 5, 50), 20, 5, 1);
    const int hurdle5 = addQuadrat(SbVec3f(100, 0, 55), 20, 5, 1);
    const SbVec3f slide[] = {SbVec3f(100, 0, 10), SbVec3f(80, 0, 10)};
    const int slidePath = addPath(slide, 2);
    const int wall = addMovingQuadrat(SbVec3f(90, 0, 10), 20, 10, 80, slidePath, 0.1f);
    addEndCube(SbVec3f(109, 0, 95));

    setQuadratTextures(hall, floor, floor, brick, brick, brick, brick);
    for (int hurdle : {hurdle1, hurdle2, hurdle3, hurdle4, hurdle5})
        setQuadratTextures(hurdle, brick, brick, brick, brick, brick, brick);
    setMovingQuadratTextures(wall, metal, metal, metal, metal, metal, metal);
    for (int hurdle : {hurdle1, hurdle2, hurdle3, hurdle4, hurdle5})
        flipQuadrat(hurdle);
    flipMovingQuadrat(wall);
}

void CppLevel03::placeActors() { setStartPosition(SbVec3f(102, 2, 0)); }
