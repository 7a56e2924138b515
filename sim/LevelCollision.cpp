#include "sim/Level.h"

#include "sim/Boundary.h"
#include "sim/Camera.h"
#include "sim/Entity.h"
#include "sim/MovingBoundary.h"

namespace {
// The camera's two sight-line probes: first raised, then lowered from there.
const SbVec3f kProbeRaise(0.0f, 0.5f, 0.0f);
const SbVec3f kProbeLower(0.0f, -1.0f, 0.0f);
} // namespace

// One collision pass. The order is part of the game: every ordered actor
// pair, then each actor against the static geometry of its cell, then
// against every moving boundary, then the fall test, then the camera.
// A resolution may switch worlds (the exit); the pass still finishes on
// this world's lists.
void Level::collide()
{
    for (size_t i = 0; i < entities.size(); ++i)
        for (size_t j = 0; j < entities.size(); ++j)
            if (i != j && entities[i]->collidesWith(*entities[j]))
                entities[i]->resolveCollisionWith(*entities[j]);

    for (Entity *actor : entities)
        collideWithCell(actor, cellOf(actor->getPosition()));
    for (Entity *actor : entities)
        collideWithMoving(actor);

    // y = 0 exactly is still standing.
    for (Entity *actor : entities)
        if (actor->getPosition()[1] < 0.0f)
            actor->kill();

    camera->move();
    const SbVec3f cell = cellOf(camera->getPosition());
    for (const SbVec3f &probe : {kProbeRaise, kProbeLower}) {
        camera->setPosition(camera->getPosition() + probe);
        collideWithCell(camera, cell);
        collideWithMoving(camera);
    }
}

void Level::collideWithCell(Entity *actor, SbVec3f cell)
{
    size_t x, y, z;
    if (!cellIndex(cell, x, y, z))
        return;
    for (int index : grid[x][y][z]) {
        Boundary *boundary = staticBoundaries[size_t(index)];
        if (boundary->testCollision(actor))
            boundary->resolveCollision(actor);
    }
}

void Level::collideWithMoving(Entity *actor)
{
    for (MovingBoundary *boundary : movingBoundaries)
        if (boundary->testCollision(actor))
            boundary->resolveCollision(actor);
}
