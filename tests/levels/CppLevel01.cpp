#include "CppLevels.h"

// A lava room with a staircase of blocks; a switch on the highest step
// brings a platform over to the raised slab with the exit.
CppLevel01::CppLevel01() : CppScriptedLevel({"blueStone.bmp", "grass.bmp", "lava.bmp"}) {}

void CppLevel01::buildContent()
{
    const unsigned stone = textures[0], grass = textures[1], lava = textures[2];

    const int room = addQuadrat(SbVec3f(0, 0, 0), 100, 20, 100);
    const int slab = addQuadrat(SbVec3f(5, 0, 5), 20, 1, 20);
    const int step1 = addQuadrat(SbVec3f(35, 0, 5), 5, 4, 5);
    const int step2 = addQuadrat(SbVec3f(45, 0, 5), 5, 7, 5);
    const int step3 = addQuadrat(SbVec3f(45, 0, 15), 5, 10, 5);
    const int step4 = addQuadrat(SbVec3f(45, 0, 25), 5, 13, 5);
    const int exitSlab = addQuadrat(SbVec3f(75, 14, 75), 10, 2, 10);
    const SbVec3f shuttle[] = {SbVec3f(45, 14, 35), SbVec3f(65, 14, 65)};
    const int shuttlePath = addPath(shuttle, 2);
    const SbVec3f home[] = {SbVec3f(65, 14, 65)};
    const int homePath = addPath(home, 1);
    const int platform = addMovingQuadrat(SbVec3f(65, 14, 65), 10, 1, 10, homePath, 0.1f);
    addTrigger(SbVec3f(45, 14, 25), SbVec3f(50, 14, 25), SbVec3f(45, 14, 30), platform, shuttlePath, 100);
    const int lavaPlane = addHazardousSurface(SbVec3f(0, 0.9f, 0), SbVec3f(100, 0.9f, 0), SbVec3f(0, 0.9f, 100));
    addEndCube(SbVec3f(80, 16, 85));

    setSurfaceColor(lavaPlane, 1, 0, 0);
    setQuadratTextures(room, lava, stone, stone, stone, stone, stone);
    setQuadratTextures(slab, grass, grass, grass, grass, grass, grass);
    for (int block : {step1, step2, step3, step4, exitSlab})
        setQuadratTextures(block, stone, grass, stone, stone, stone, stone);
    setMovingQuadratTextures(platform, stone, grass, stone, stone, stone, stone);
    for (int block : {slab, step1, step2, step3, step4, exitSlab})
        flipQuadrat(block);
    flipMovingQuadrat(platform);
}

void CppLevel01::placeActors() { setStartPosition(SbVec3f(20, 5, 20)); }
