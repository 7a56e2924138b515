#include "geometry/HazardousSurface.h"

#include "actors/Entity.h"
#include "render/GL.h"

namespace {
// Front-face material emission (RGBA) while the plane is drawn, and the
// emission restored afterwards so that nothing drawn later glows.
constexpr GLfloat kGlow[4] = {0.5f, 0.5f, 0.5f, 1.0f};
constexpr GLfloat kNoGlow[4] = {0.0f, 0.0f, 0.0f, 1.0f};
} // namespace

HazardousSurface::HazardousSurface(SbVec3f corner0, SbVec3f corner1, SbVec3f corner2)
    : Surface(corner0, corner1, corner2)
{
}

void HazardousSurface::drawStatic()
{
    glMaterialfv(GL_FRONT, GL_EMISSION, kGlow);
    Surface::drawStatic();
    glMaterialfv(GL_FRONT, GL_EMISSION, kNoGlow);
}

void HazardousSurface::resolveCollision(Entity *actor) { actor->kill(); }
