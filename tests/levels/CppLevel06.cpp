#include "CppLevels.h"

// A ledge along a lava channel below a high terrace, on which four pushers
// shove boulders over the edge.
CppLevel06::CppLevel06() : CppScriptedLevel({"blueStone.bmp", "grass.bmp", "lava.bmp"}) {}

void CppLevel06::buildContent()
{
    const unsigned stone = textures[0], grass = textures[1];

    const int hall = addQuadrat(SbVec3f(0, 0, 0), 40, 40, 120);
    const int terrace = addQuadrat(SbVec3f(20, 0, 0), 20, 25, 120);
    const int ledge = addQuadrat(SbVec3f(0, 0, 0), 15, 5, 100);
    const int landing = addQuadrat(SbVec3f(0, 0, 100), 20, 5, 20);
    const int screen = addQuadrat(SbVec3f(0, 0, 100), 10, 40, 1);
    const int slope = addSurface(SbVec3f(0, 15, 0), SbVec3f(10, 5, 0), SbVec3f(0, 15, 100));
    const int lava = addHazardousSurface(SbVec3f(15, 4, 0), SbVec3f(20, 4, 0), SbVec3f(15, 4, 100));
    addEndCube(SbVec3f(10, 5, 110));
    const int stroke1 = addPath({SbVec3f(40, 25, 15), SbVec3f(20, 25, 15)});
    const int stroke2 = addPath({SbVec3f(38, 25, 35), SbVec3f(20, 25, 35)});
    const int stroke3 = addPath({SbVec3f(41, 25, 55), SbVec3f(20, 25, 55)});
    const int stroke4 = addPath({SbVec3f(37, 25, 75), SbVec3f(20, 25, 75)});
    const int pusher1 = addMovingQuadrat(SbVec3f(40, 25, 15), 2, 15, 20, stroke1, 1);
    const int pusher2 = addMovingQuadrat(SbVec3f(38, 25, 35), 2, 15, 20, stroke2, 1.2f);
    const int pusher3 = addMovingQuadrat(SbVec3f(41, 25, 55), 2, 15, 20, stroke3, 1.1f);
    const int pusher4 = addMovingQuadrat(SbVec3f(37, 25, 75), 2, 15, 20, stroke4, 0.9f);

    setQuadratTextures(hall, stone, stone, stone, stone, stone, stone);
    for (int block : {terrace, ledge, landing, screen})
        setQuadratTextures(block, stone, grass, stone, stone, stone, stone);
    setSurfaceTexture(slope, grass);
    for (int pusher : {pusher1, pusher2, pusher3, pusher4})
        setMovingQuadratTextures(pusher, stone, stone, stone, stone, stone, stone);
    setSurfaceColor(lava, 1, 0, 0);
    for (int block : {terrace, ledge, landing, screen})
        flipQuadrat(block);
    for (int pusher : {pusher1, pusher2, pusher3, pusher4})
        flipMovingQuadrat(pusher);
}

void CppLevel06::placeActors()
{
    setStartPosition(SbVec3f(12, 7, 2));
    constexpr float kBoulderRadius = 2.5f;
    for (float z : {20.0f, 40.0f, 60.0f, 80.0f})
        addBoulder(SbVec3f(23, 28, z), kBoulderRadius, false);
}
