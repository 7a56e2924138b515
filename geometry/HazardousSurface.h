#pragma once
#include "geometry/Surface.h"

// A surface that kills whatever actor touches it (lava, acid): hero, Didud
// and boulder alike. It does not push the actor back. Drawn glowing at half
// intensity whatever the lighting.
class HazardousSurface : public Surface {
public:
    HazardousSurface(SbVec3f corner0, SbVec3f corner1, SbVec3f corner2);

    // The tiled drawing of Surface wrapped in a front-face emission, both
    // recorded into the level's display list.
    void drawStatic() override;
    void resolveCollision(Entity *actor) override;
};
