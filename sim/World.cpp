#include "sim/World.h"

#include "sim/WorldPainter.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

World::World()
    : leftButtonDown(false), rightButtonDown(false),
      // The whole level is one cell: one x slice, one y row, one z cell.
      grid(1, std::vector<std::vector<std::vector<int>>>(1, std::vector<std::vector<int>>(1)))
{
}

void World::setUpDrawing()
{
    if (painter)
        painter->setUp();
}

void World::resize(int width, int height)
{
    if (painter)
        painter->resize(width, height);
}

void World::drawFrame()
{
    if (painter)
        painter->drawFrame();
}

std::string worldClassName(const World &world)
{
    int status = 0;
    const std::unique_ptr<char, void (*)(void *)> name(
        abi::__cxa_demangle(typeid(world).name(), nullptr, nullptr, &status), std::free);
    return status == 0 ? name.get() : typeid(world).name();
}
