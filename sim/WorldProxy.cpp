#include "sim/WorldProxy.h"

#include "sim/World.h"

WorldProxy::WorldProxy(World *world) : current(world) {}

void WorldProxy::setWorld(World *world)
{
    busy = true;
    current = world;
    initializeGL();
    busy = false;
}

void WorldProxy::initializeGL()
{
    current->initialize();
    current->setUpDrawing();
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
