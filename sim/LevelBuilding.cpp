#include "sim/Level.h"

#include "sim/Boulder.h"
#include "sim/Didud.h"
#include "sim/EndCube.h"
#include "sim/HazardousSurface.h"
#include "sim/MovingQuadrat.h"
#include "sim/MovingSurface.h"
#include "sim/Player.h"
#include "sim/Quadrat.h"
#include "sim/Surface.h"
#include "sim/Trigger.h"

#include <cstdio>

namespace {
constexpr float kOpaque = 1.0f;

// Level scripts name pieces by the indices their creating calls returned.
// An index that was never returned is a script error: it is reported and
// the call does nothing, rather than writing through a stray pointer.
template <typename T> T *piece(const std::vector<T *> &list, int index, const char *what)
{
    if (index >= 0 && size_t(index) < list.size())
        return list[size_t(index)];
    std::fprintf(stderr, "level script: no %s with index %d\n", what, index);
    return nullptr;
}

template <typename T> int append(std::vector<T> &list, T item)
{
    list.push_back(item);
    return int(list.size()) - 1;
}

// Boxes and moving boxes colour and texture their six faces alike.
template <typename Box> void setFaceTextures(Box *box, const unsigned (&indices)[6])
{
    for (size_t i = 0; i < 6; ++i)
        box->faces[i]->setTexture(indices[i]);
}

template <typename Box> void setFaceColors(Box *box, float r, float g, float b)
{
    for (auto *face : box->faces)
        face->setColor(r, g, b, kOpaque);
}
} // namespace

int Level::addQuadrat(SbVec3f origin, float width, float height, float depth)
{
    return append(quadrats, new Quadrat(origin, height, width, depth));
}

int Level::addMovingQuadrat(SbVec3f origin, float width, float height, float depth, int path, float speed)
{
    if (path < 0 || size_t(path) >= paths.size()) {
        std::fprintf(stderr, "level script: no path with index %d\n", path);
        return -1;
    }
    return append(movingQuadrats, new MovingQuadrat(origin, height, width, depth, paths[size_t(path)], speed));
}

int Level::addTrigger(SbVec3f corner0, SbVec3f corner1, SbVec3f corner2, int movingQuadrat, int path, int delay)
{
    MovingQuadrat *box = piece(movingQuadrats, movingQuadrat, "moving box");
    if (!box || path < 0 || size_t(path) >= paths.size())
        return -1;
    // The trigger's copy of the box shares its faces, so it moves the very
    // faces that are drawn and collided with.
    return append(triggers, new Trigger(corner0, corner1, corner2, *box, paths[size_t(path)], delay));
}

int Level::addSurface(SbVec3f corner0, SbVec3f corner1, SbVec3f corner2)
{
    return append(surfaces, new Surface(corner0, corner1, corner2));
}

int Level::addHazardousSurface(SbVec3f corner0, SbVec3f corner1, SbVec3f corner2)
{
    return append<Surface *>(surfaces, new HazardousSurface(corner0, corner1, corner2));
}

int Level::addEndCube(SbVec3f position)
{
    return append<Boundary *>(staticBoundaries, new EndCube(position));
}

int Level::addPath(const SbVec3f *points, int count)
{
    return append(paths, std::vector<SbVec3f>(points, points + (count > 0 ? count : 0)));
}

int Level::addBoulder(SbVec3f position, float radius, bool harmless)
{
    auto *boulder = new Boulder(position, radius);
    if (harmless)
        boulder->makeHarmless();
    return append<Entity *>(entities, boulder);
}

int Level::addDidud(SbVec3f position, float sightRange)
{
    return append<Entity *>(entities, new Didud(position[0], position[1], position[2], player, sightRange));
}

void Level::setQuadratColor(int box, float r, float g, float b)
{
    if (Quadrat *quadrat = piece(quadrats, box, "box"))
        setFaceColors(quadrat, r, g, b);
}

void Level::setQuadratTextures(int box, unsigned bottom, unsigned top, unsigned front, unsigned left,
                               unsigned right, unsigned back)
{
    if (Quadrat *quadrat = piece(quadrats, box, "box"))
        setFaceTextures(quadrat, {bottom, top, front, left, right, back});
}

void Level::flipQuadrat(int box)
{
    if (Quadrat *quadrat = piece(quadrats, box, "box"))
        quadrat->flip();
}

void Level::setMovingQuadratColor(int box, float r, float g, float b)
{
    if (MovingQuadrat *quadrat = piece(movingQuadrats, box, "moving box"))
        setFaceColors(quadrat, r, g, b);
}

void Level::setMovingQuadratTextures(int box, unsigned bottom, unsigned top, unsigned front, unsigned left,
                                     unsigned right, unsigned back)
{
    if (MovingQuadrat *quadrat = piece(movingQuadrats, box, "moving box"))
        setFaceTextures(quadrat, {bottom, top, front, left, right, back});
}

void Level::flipMovingQuadrat(int box)
{
    if (MovingQuadrat *quadrat = piece(movingQuadrats, box, "moving box"))
        quadrat->flip();
}

void Level::setSurfaceColor(int index, float r, float g, float b)
{
    if (Surface *surface = piece(surfaces, index, "surface"))
        surface->setColor(r, g, b, kOpaque);
}

void Level::setSurfaceTexture(int index, unsigned texture)
{
    if (Surface *surface = piece(surfaces, index, "surface"))
        surface->setTexture(texture);
}

void Level::flipSurface(int index)
{
    if (Surface *surface = piece(surfaces, index, "surface"))
        surface->flip();
}

void Level::disablePlayerTrigger(int index)
{
    if (Trigger *trigger = piece(triggers, index, "trigger"))
        trigger->disablePlayer();
}

void Level::setStartPosition(SbVec3f position)
{
    player->setPosition(position);
    player->setStartPosition(position);
    player->savePreviousPosition();
}

void Level::finishLevel()
{
    endCubeCount = staticBoundaries.size(); // only exit cubes are there yet
    for (Quadrat *quadrat : quadrats)
        for (Surface *face : quadrat->faces)
            staticBoundaries.push_back(face);
    for (MovingQuadrat *quadrat : movingQuadrats)
        for (MovingSurface *face : quadrat->faces)
            movingBoundaries.push_back(face);
    for (Surface *surface : surfaces)
        staticBoundaries.push_back(surface);
    for (Trigger *trigger : triggers)
        movingBoundaries.push_back(trigger);

    for (Boundary *boundary : staticBoundaries)
        boundary->prepare();
    for (MovingBoundary *boundary : movingBoundaries)
        boundary->prepare();

    const unsigned sizeX = unsigned(extent[0]), sizeY = unsigned(extent[1]), sizeZ = unsigned(extent[2]);
    for (size_t k = 0; k < staticBoundaries.size(); ++k)
        staticBoundaries[k]->addToGrid(sizeX, sizeY, sizeZ, grid, int(k));
}

