#pragma once
#include "sim/SpatialGrid.h"

#include <Inventor/SbVec3f.h>
#include <string>
#include <vector>

class Boundary;
class Entity;
class Particle;
class MovingBoundary;
class WorldPainter;

// One screen of the game: a level, the high-score screen or the game-over
// screen. The window drives it through the input operations; Level drives
// the set-up steps and the steps of a frame. Its looks are its painter's.
class World {
public:
    World();
    virtual ~World() = default;

    // The painter that draws this world (not owned); null: nothing drawn.
    void setPainter(WorldPainter *worldPainter) { painter = worldPainter; }
    WorldPainter *getPainter() const { return painter; }
    // The painter's set-up, once initialize has built the world.
    void setUpDrawing();
    // Called on window resizes through the proxy, pixels.
    void resize(int width, int height);

    virtual void initialize() = 0;
    // One step followed by one drawing: what one repaint did before the
    // window ran several steps per repaint, and still what the playtest
    // driver and the tests run.
    virtual void display() = 0;
    virtual void mouseMoved(int x, int y, int centreX, int centreY) = 0;
    virtual void keyPressed(int key, int x, int y, int modifiers) = 0;
    virtual void mouseButton(int button, bool pressed) = 0;
    virtual void wheelTurned(int delta) = 0;
    virtual void keyReleased(int key, int modifiers) = 0;
    virtual void restart() = 0;
    virtual void configure() = 0;
    virtual void loadTextures() = 0;
    virtual void buildContent() = 0;
    virtual void placeActors() = 0;
    virtual void finishSetup() = 0;
    virtual void beforeUpdate() = 0;
    virtual void moveBoundaries() = 0;
    virtual void moveEntities() = 0;
    virtual void moveParticles() = 0;
    virtual SbVec3f cellOf(SbVec3f position) = 0;

    // The two halves of display, for a window that runs as many steps as
    // the wall clock asks for and then draws once. step is the simulation
    // alone (motion and collisions, no GL) and the only thing that advances
    // the game; drawFrame draws the current state (through the painter) and
    // changes none of it.
    virtual void step() = 0;
    virtual void drawFrame();

    // Read access for tests and tools.
    const std::vector<Boundary *> &getStaticBoundaries() const { return staticBoundaries; }
    const std::vector<MovingBoundary *> &getMovingBoundaries() const { return movingBoundaries; }
    const std::vector<Entity *> &getEntities() const { return entities; }
    const SpatialGrid &getGrid() const { return grid; }

protected:
    bool leftButtonDown;
    bool rightButtonDown;
    std::vector<Boundary *> staticBoundaries;
    std::vector<Entity *> entities;
    std::vector<Particle *> particles;
    std::vector<MovingBoundary *> movingBoundaries;
    SpatialGrid grid;

private:
    WorldPainter *painter = nullptr;
};

// The world's class name as written in the source ("Level01", "EndLevel"),
// for reports of the tools and tests.
std::string worldClassName(const World &world);
