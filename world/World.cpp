#include "world/World.h"

#include "render/GL.h"

World::World()
    : leftButtonDown(false), rightButtonDown(false),
      // The whole level is one cell: one x slice, one y row, one z cell.
      grid(1, std::vector<std::vector<std::vector<int>>>(1, std::vector<std::vector<int>>(1)))
{
}

void World::resize(int width, int height) { glViewport(0, 0, width, height); }
