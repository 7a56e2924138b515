#include "world/Level.h"

#include "actors/Camera.h"
#include "actors/Entity.h"
#include "actors/Particle.h"
#include "app/GameRegistry.h"
#include "geometry/Boundary.h"
#include "geometry/MovingBoundary.h"
#include "render/ComicStyle.h"
#include "render/GL.h"

namespace {
// Pulls the outline of flat geometry towards the viewer so that the black
// lines win the depth test against the faces they border.
constexpr float kOutlineOffsetFactor = -0.1f;
constexpr float kOutlineOffsetUnits = -1.0f;
} // namespace

// One step of the game: everything moves by a fixed amount per repaint,
// then collisions, then the shaded pass, the outline pass and the overlay.
void Level::display()
{
    beforeUpdate();
    moveEntities();
    moveBoundaries();
    moveParticles();
    collide();

    glewInit();
    ComicStyle *style = GameRegistry::getComicStyle();
    if (style)
        style->enable();
    camera->draw();
    drawEntities();
    drawScenery();
    drawParticles();
    if (style)
        style->disable();

    GameRegistry::beginOutline();
    beginOutlinePass();
    drawEntities();
    glEnable(GL_POLYGON_OFFSET_LINE);
    glPolygonOffset(kOutlineOffsetFactor, kOutlineOffsetUnits);
    drawBoundaries();
    glDisable(GL_POLYGON_OFFSET_LINE);
    drawParticles();
    endOutlinePass();
    GameRegistry::endOutline();

    drawOverlay();
}

void Level::moveEntities()
{
    for (size_t i = 0; i < entities.size(); ++i)
        entities[i]->move();
}

void Level::moveBoundaries()
{
    for (MovingBoundary *boundary : movingBoundaries)
        boundary->move();
}

void Level::moveParticles()
{
    for (Particle *particle : particles)
        particle->move();
}

void Level::drawEntities()
{
    for (size_t i = 0; i < entities.size(); ++i)
        entities[i]->draw();
}

void Level::drawScenery()
{
    if (glIsList(staticList))
        glCallList(staticList);
    for (MovingBoundary *boundary : movingBoundaries)
        boundary->draw();
}

void Level::drawBoundaries()
{
    for (Boundary *boundary : staticBoundaries)
        boundary->draw();
    for (MovingBoundary *boundary : movingBoundaries)
        boundary->draw();
}

void Level::drawParticles()
{
    for (Particle *particle : particles)
        particle->draw();
}

void Level::beginOutlinePass()
{
    for (Boundary *boundary : staticBoundaries)
        boundary->enableOutline();
    for (MovingBoundary *boundary : movingBoundaries)
        boundary->enableOutline();
    for (Entity *actor : entities)
        actor->enableOutline();
}

void Level::endOutlinePass()
{
    for (Boundary *boundary : staticBoundaries)
        boundary->disableOutline();
    for (MovingBoundary *boundary : movingBoundaries)
        boundary->disableOutline();
    for (Entity *actor : entities)
        actor->disableOutline();
}
