#include "sim/HazardousSurface.h"

#include "sim/BoundaryVisitor.h"
#include "sim/Entity.h"

HazardousSurface::HazardousSurface(SbVec3f corner0, SbVec3f corner1, SbVec3f corner2)
    : Surface(corner0, corner1, corner2)
{
}

void HazardousSurface::accept(BoundaryVisitor &visitor) const { visitor.visit(*this); }

void HazardousSurface::resolveCollision(Entity *actor) { actor->kill(); }
