#pragma once
#include "sim/Surface.h"

// A surface that kills whatever actor touches it (lava, acid): hero, Didud
// and boulder alike. It does not push the actor back. Drawn glowing at half
// intensity whatever the lighting.
class HazardousSurface : public Surface {
public:
    HazardousSurface(SbVec3f corner0, SbVec3f corner1, SbVec3f corner2);

    // Drawn as a glowing surface.
    void accept(BoundaryVisitor &visitor) const override;
    void resolveCollision(Entity *actor) override;
};
