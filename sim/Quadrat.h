#pragma once
#include <Inventor/SbVec3f.h>
#include <vector>

class Surface;

// An axis-aligned box of six surfaces in the fixed order bottom, top,
// front, left, right, back. Built with every normal pointing inwards (a
// room seen from inside); flip() turns it into a solid block seen from
// outside. The faces belong to the level: destroying a Quadrat leaves them.
class Quadrat {
public:
    enum Face { Bottom = 0, Top, Front, Left, Right, Back, FaceCount };

    // Width along x, height along y, depth along z from origin.
    Quadrat(SbVec3f origin, float height, float width, float depth);

    void flip();

    std::vector<Surface *> faces;
};
