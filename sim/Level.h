#pragma once
#include "sim/World.h"

#include <Inventor/SbVec3f.h>
#include <initializer_list>
#include <vector>

class Player;
class Camera;
class Particle;
class Quadrat;
class MovingQuadrat;
class Trigger;
class Surface;

// The one implementation of the world interface. Every concrete world
// derives from it: the levels fill in only the five set-up steps, the
// closing screens replace a few more operations. Level does everything
// else: set-up, the simulation step, the collision pass, input mapping,
// restart after a lost life, and the building operations the level
// scripts are written in. Its drawing is render/LevelPainter's.
//
// Source files: LevelSetup.cpp (set-up, restart, grid), LevelFrame.cpp
// (the step), LevelCollision.cpp, LevelInput.cpp, LevelBuilding.cpp (the
// building vocabulary and finishLevel).
class Level : public World {
public:
    Level();

    void initialize() override;
    void display() override;
    void mouseMoved(int x, int y, int centreX, int centreY) override;
    void keyPressed(int key, int x, int y, int modifiers) override;
    void mouseButton(int button, bool pressed) override;
    void wheelTurned(int delta) override;
    void keyReleased(int key, int modifiers) override;
    void restart() override;
    void configure() override;
    void loadTextures() override;
    void buildContent() override;
    void placeActors() override;
    void finishSetup() override;
    void beforeUpdate() override;
    void moveBoundaries() override;
    void moveEntities() override;
    void moveParticles() override;
    SbVec3f cellOf(SbVec3f position) override;
    void step() override;

    // Building operations. Each creating operation returns the new piece's
    // index in its own list; later calls name pieces by those indices.
    int addQuadrat(SbVec3f origin, float width, float height, float depth);
    int addMovingQuadrat(SbVec3f origin, float width, float height, float depth, int path, float speed);
    int addTrigger(SbVec3f corner0, SbVec3f corner1, SbVec3f corner2, int movingQuadrat, int path, int delay);
    int addSurface(SbVec3f corner0, SbVec3f corner1, SbVec3f corner2);
    int addHazardousSurface(SbVec3f corner0, SbVec3f corner1, SbVec3f corner2);
    int addEndCube(SbVec3f position);
    int addPath(const SbVec3f *points, int count);
    int addPath(std::initializer_list<SbVec3f> points) { return addPath(points.begin(), int(points.size())); }
    int addBoulder(SbVec3f position, float radius, bool harmless);
    int addDidud(SbVec3f position, float sightRange);

    void setQuadratColor(int box, float r, float g, float b);
    void setQuadratTextures(int box, unsigned bottom, unsigned top, unsigned front, unsigned left,
                            unsigned right, unsigned back);
    void flipQuadrat(int box);
    void setMovingQuadratColor(int box, float r, float g, float b);
    void setMovingQuadratTextures(int box, unsigned bottom, unsigned top, unsigned front, unsigned left,
                                  unsigned right, unsigned back);
    void flipMovingQuadrat(int box);
    void setSurfaceColor(int surface, float r, float g, float b);
    void setSurfaceTexture(int surface, unsigned texture);
    void flipSurface(int surface);
    void disablePlayerTrigger(int trigger);
    void setStartPosition(SbVec3f position);

    // Gathers the pieces into the world's lists and fills the grid. Run
    // once by initialize after buildContent.
    void finishLevel();

    Player *getPlayer() const { return player; }
    Camera *getCamera() const { return camera; }
    const std::vector<Particle *> &getParticles() const { return particles; }
    // The exit cubes lead the static boundaries: this many of them.
    size_t getEndCubeCount() const { return endCubeCount; }
    // Texture index of the heads-up display's life icon.
    unsigned int getLivesTexture() const { return livesTexture; }

protected:
    // The settings every world shares: a level box of 1000 x 100 x 1000
    // (the grid's one cell) and gravity (0, -0.5, 0) per step; the first
    // form also puts the start heading and the run key back.
    void useStandardSettings();
    void useStandardExtentAndGravity();

    // The collision pass of one step.
    void collide();

    float startHeading;
    SbVec3f extent;
    bool runKeyDown;
    Player *player;
    Camera *camera;
    size_t endCubeCount = 0;
    unsigned int livesTexture;
    std::vector<unsigned int> textures;
    std::vector<std::vector<SbVec3f>> paths;
    std::vector<Quadrat *> quadrats;
    std::vector<MovingQuadrat *> movingQuadrats;
    std::vector<Trigger *> triggers;
    std::vector<Surface *> surfaces;

private:
    // Tests an actor against the static boundaries listed in a cell; does
    // nothing when the cell lies outside the grid.
    void collideWithCell(Entity *actor, SbVec3f cell);
    void collideWithMoving(Entity *actor);
    bool cellIndex(SbVec3f cell, size_t &x, size_t &y, size_t &z) const;
};
