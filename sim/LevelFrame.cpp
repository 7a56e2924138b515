#include "sim/Level.h"

#include "sim/Camera.h"
#include "sim/Entity.h"
#include "sim/MovingBoundary.h"
#include "sim/Particle.h"

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
