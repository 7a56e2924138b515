#include "world/Level.h"

#include "render/GL.h"

Level::Level() = default;

void Level::initialize() {}

void Level::display()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void Level::mouseMoved(int, int, int, int) {}
void Level::keyPressed(int, int, int, int) {}
void Level::mouseButton(int, bool) {}
void Level::wheelTurned(int) {}
void Level::keyReleased(int, int) {}
void Level::restart() {}
void Level::configure() {}
void Level::loadTextures() {}
void Level::buildContent() {}
void Level::placeActors() {}
void Level::finishSetup() {}
void Level::beforeUpdate() {}
void Level::moveBoundaries() {}
void Level::moveEntities() {}
void Level::moveParticles() {}
void Level::drawBoundaries() {}
void Level::drawEntities() {}
void Level::drawParticles() {}
void Level::drawOverlay() {}
SbVec3f Level::cellOf(SbVec3f) { return SbVec3f(0, 0, 0); }
