#include "world/Level.h"

#include "actors/Camera.h"
#include "actors/Entity.h"
#include "actors/Particle.h"
#include "app/GameRegistry.h"
#include "geometry/Boundary.h"
#include "geometry/MovingBoundary.h"
#include "geometry/Surface.h"
#include "render/ComicStyle.h"
#include "render/GL.h"

#include <Inventor/SbMatrix.h>
#include <algorithm>
#include <numeric>
#include <vector>

void Level::display()
{
    step();
    drawFrame();
}

// Everything moves by a fixed amount per step, then collisions, then what
// the step settles from where things came to rest: the camera first (it
// tells the hero whether he is seen), then every actor in list order.
void Level::step()
{
    beforeUpdate();
    moveEntities();
    moveBoundaries();
    moveParticles();
    collide();
    camera->finishStep();
    for (size_t i = 0; i < entities.size(); ++i)
        entities[i]->finishStep();
}

void Level::drawFrame()
{
    beginShadedPass();
    phaseEnded(FramePhaseListener::SetUp);
    drawShadedPass();
    phaseEnded(FramePhaseListener::Shaded);
    drawOutlinePass();
    phaseEnded(FramePhaseListener::Outline);
    drawOverlay();
    phaseEnded(FramePhaseListener::Overlay);
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
    GameRegistry::beginFlatOutlines();
    drawBoundaries();
    GameRegistry::endFlatOutlines();
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

// The exit cubes first, as the table orders them: the translucent pane
// blends with what was drawn before it, and drawn first it shows the clear
// colour behind it from every side, as it always has. Then the rest near
// to far from the eye, by the nearest point of each face. The shading is
// per pixel, and the software renderer skips the pixels of a face that
// nearer faces already hide, so this order shades almost every pixel once;
// in the order of the level's table some start views shaded 1.4 pixels per
// pixel. The old tiled drawing keeps the table order.
void Level::orderStaticFaces()
{
    staticDrawOrder.resize(staticBoundaries.size());
    std::iota(staticDrawOrder.begin(), staticDrawOrder.end(), 0u);
    if (Surface::getStaticDrawing() != Surface::StaticDrawing::Whole)
        return;

    // The eye is where the inverse of the camera's view puts the origin.
    SbMat view;
    glGetFloatv(GL_MODELVIEW_MATRIX, &view[0][0]);
    SbVec3f eye;
    SbMatrix(view).inverse().multVecMatrix(SbVec3f(0.0f, 0.0f, 0.0f), eye);
    staticDistance.resize(staticBoundaries.size());
    for (size_t k = endCubeCount; k < staticBoundaries.size(); ++k)
        staticDistance[k] = staticBoundaries[k]->distanceTo(eye);
    const size_t firstSorted = std::min(endCubeCount, staticDrawOrder.size());
    std::stable_sort(staticDrawOrder.begin() + std::ptrdiff_t(firstSorted), staticDrawOrder.end(),
                     [&](unsigned a, unsigned b) { return staticDistance[a] < staticDistance[b]; });
}

void Level::drawScenery()
{
    if (glIsList(staticList)) {
        orderStaticFaces();
        glListBase(staticList);
        glCallLists(GLsizei(staticDrawOrder.size()), GL_UNSIGNED_INT, staticDrawOrder.data());
        glListBase(0);
    }
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
