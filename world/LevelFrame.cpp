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
// Each actor is drawn once in the shaded pass and once in the outline pass.
constexpr int kActorDrawsPerFrame = 2;
} // namespace

void Level::display()
{
    step();
    drawFrame();
}

// Everything moves by a fixed amount per step, then collisions.
void Level::step()
{
    beforeUpdate();
    moveEntities();
    moveBoundaries();
    moveParticles();
    collide();
}

void Level::drawFrame()
{
    beginShadedPass();
    drawShadedPass();
    drawOutlinePass();
    drawOverlay();
}

// What drawFrame would advance, in the order it would: the camera once (it
// is drawn first), then every actor once per pass. The closing screens draw
// poses that advance nothing, yet their actors are advanced here all the
// same; nothing can die on those screens, so for them it changes nothing.
void Level::skipDrawing()
{
    camera->advanceDrawnState();
    for (int pass = 0; pass < kActorDrawsPerFrame; ++pass)
        for (size_t i = 0; i < entities.size(); ++i)
            entities[i]->advanceDrawnState();
}

void Level::beginShadedPass()
{
    if (ComicStyle *style = GameRegistry::getComicStyle())
        style->enable();
    camera->draw();
}

void Level::drawShadedPass()
{
    drawEntities();
    drawScenery();
    drawParticles();
    if (ComicStyle *style = GameRegistry::getComicStyle())
        style->disable();
}

void Level::drawOutlinePass()
{
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
