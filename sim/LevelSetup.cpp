#include "sim/Level.h"

#include "sim/Camera.h"
#include "sim/GameRegistry.h"
#include "sim/MovingBoundary.h"
#include "sim/Player.h"

#include <cmath>

Level::Level()
    : startHeading(0.0f), extent(0.0f, 0.0f, 0.0f), runKeyDown(false), player(nullptr),
      camera(nullptr), livesTexture(0)
{
}

void Level::initialize()
{
    configure();
    loadTextures();
    livesTexture = GameRegistry::loadTexture("Lives.bmp");
    buildContent();
    finishLevel();

    GameRegistry::setPlayer(new Player(0, 0, 0));
    player = GameRegistry::getPlayer();
    camera = new Camera(player);
    player->setStartPosition(player->getPosition());
    player->savePreviousPosition();
    player->setHeading(startHeading);
    // The player is always the first actor; boulders follow in placeActors.
    entities.push_back(player);

    placeActors();
    finishSetup();
}

void Level::restart()
{
    for (MovingBoundary *boundary : movingBoundaries)
        boundary->reset();
    for (Entity *actor : entities)
        actor->reset();
    camera->reset();
}

SbVec3f Level::cellOf(SbVec3f position)
{
    const float cells[3] = {float(grid.size()), float(grid[0].size()), float(grid[0][0].size())};
    SbVec3f cell;
    for (int axis = 0; axis < 3; ++axis) {
        const float cellSize = extent[axis] / cells[axis];
        cell[axis] = std::trunc(position[axis]) / cellSize;
    }
    return cell;
}

bool Level::cellIndex(SbVec3f cell, size_t &x, size_t &y, size_t &z) const
{
    // NaN and anything outside the grid fail these comparisons.
    if (!(cell[0] > -1.0f && cell[1] > -1.0f && cell[2] > -1.0f))
        return false;
    x = size_t(long(cell[0]));
    y = size_t(long(cell[1]));
    z = size_t(long(cell[2]));
    return x < grid.size() && y < grid[x].size() && z < grid[x][y].size();
}

void Level::configure() {}
void Level::loadTextures() {}
void Level::buildContent() {}
void Level::placeActors() {}
void Level::finishSetup() {}
void Level::beforeUpdate() {}

namespace {
const SbVec3f kStandardExtent(1000.0f, 100.0f, 1000.0f);
constexpr float kGravityPerStep = -0.5f;
} // namespace

void Level::useStandardExtentAndGravity()
{
    extent = kStandardExtent;
    GameRegistry::setGravity(0.0f, kGravityPerStep, 0.0f);
}

void Level::useStandardSettings()
{
    startHeading = 0.0f;
    runKeyDown = false;
    useStandardExtentAndGravity();
}
