#include "app/WorldProxy.h"

#include "render/GL.h"
#include "world/World.h"

WorldProxy::WorldProxy(World *world) : current(world) {}

void WorldProxy::setWorld(World *world)
{
    busy = true;
    current = world;
    initializeGL();
    busy = false;
}

void WorldProxy::reinitialize()
{
    busy = true;
    initializeGL();
    busy = false;
}

void WorldProxy::initializeGL()
{
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_COLOR_MATERIAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_CULL_FACE);
    current->initialize();
}

bool WorldProxy::switchIfRequested()
{
    World *next = requested;
    requested = nullptr;
    if (!next)
        return false;
    setWorld(next);
    return true;
}

void WorldProxy::paint()
{
    if (busy)
        return;
    current->display();
    switchIfRequested();
}

void WorldProxy::keyPressed(int key, int x, int y, int modifiers)
{
    if (!busy)
        current->keyPressed(key, x, y, modifiers);
}

void WorldProxy::keyReleased(int key, int modifiers)
{
    if (!busy)
        current->keyReleased(key, modifiers);
}

void WorldProxy::mouseMoved(int x, int y, int centreX, int centreY)
{
    if (!busy)
        current->mouseMoved(x, y, centreX, centreY);
}

void WorldProxy::mouseButton(int button, bool pressed)
{
    if (!busy)
        current->mouseButton(button, pressed);
}

void WorldProxy::wheelTurned(int delta)
{
    if (!busy)
        current->wheelTurned(delta);
}

void WorldProxy::resize(int width, int height)
{
    if (!busy)
        current->resize(width, height);
}
