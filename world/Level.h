#pragma once
#include "world/World.h"

#include <Inventor/SbVec3f.h>
#include <initializer_list>
#include <vector>

class Player;
class Camera;

// Told when each phase of a frame's drawing is over, in this order: the
// set-up (shader bound, the camera's clear and view), the shaded pass, the
// outline pass, the overlay. For the frame benchmark.
class FramePhaseListener {
public:
    enum Phase { SetUp, Shaded, Outline, Overlay };
    virtual ~FramePhaseListener() = default;
    virtual void phaseEnded(Phase phase) = 0;
};
class Quadrat;
class MovingQuadrat;
class Trigger;
class Surface;

// The one implementation of the world interface. Every concrete world
// derives from it: the levels fill in only the five set-up steps, the
// closing screens replace a few more operations. Level does everything
// else: set-up, the simulation step and the drawing of a frame, the
// collision pass, input mapping, restart after a lost life, the overlay,
// and the building operations the level scripts are written in.
//
// Source files: LevelSetup.cpp (set-up, restart, grid), LevelFrame.cpp
// (the frame), LevelCollision.cpp, LevelInput.cpp, LevelOverlay.cpp,
// LevelBuilding.cpp (the building vocabulary and finishLevel).
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
    void drawBoundaries() override;
    void drawEntities() override;
    void drawParticles() override;
    void drawOverlay() override;
    SbVec3f cellOf(SbVec3f position) override;
    void step() override;
    void drawFrame() override;

    // drawFrame in its parts, in this order; public so that the picture
    // tests can draw parts of a frame. beginShadedPass binds the comic
    // shader and lets the camera clear and set the view; drawShadedPass
    // draws actors, scenery and particles and unbinds the shader;
    // drawOutlinePass draws them again as black outlines; drawOverlay
    // (above) comes last.
    void beginShadedPass();
    void drawShadedPass();
    void drawOutlinePass();
    // Null: nobody listens.
    void setPhaseListener(FramePhaseListener *listener) { phaseListener = listener; }

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

    // Gathers the pieces into the world's lists, fills the grid and records
    // the static display lists. Run once by initialize after buildContent.
    void finishLevel();
    // (Re)records the static display lists, one a static boundary, as
    // finishLevel does; tools and tests call it again after changing
    // Surface's StaticDrawing.
    void recordStaticList();

    Player *getPlayer() const { return player; }
    Camera *getCamera() const { return camera; }
    unsigned int getStaticList() const { return staticList; }

protected:
    // The settings every world shares: a level box of 1000 x 100 x 1000
    // (the grid's one cell) and gravity (0, -0.5, 0) per step; the first
    // form also puts the start heading and the run key back.
    void useStandardSettings();
    void useStandardExtentAndGravity();

    // The collision pass of one step.
    void collide();
    // Replays the static display lists near to far, then draws the moving
    // geometry.
    void drawScenery();
    void orderStaticFaces();
    void beginOutlinePass();
    void endOutlinePass();

    float startHeading;
    SbVec3f extent;
    bool runKeyDown;
    Player *player;
    Camera *camera;
    // The static boundaries' display lists, one a boundary in table order
    // from staticList on, and this frame's distances from the eye and order
    // of drawing them. The exit cubes lead the table and are drawn first.
    unsigned int staticList;
    size_t endCubeCount = 0;
    int staticListCount = 0;
    std::vector<float> staticDistance;
    std::vector<unsigned int> staticDrawOrder;
    unsigned int livesTexture;
    std::vector<unsigned int> textures;
    std::vector<std::vector<SbVec3f>> paths;
    std::vector<Quadrat *> quadrats;
    std::vector<MovingQuadrat *> movingQuadrats;
    std::vector<Trigger *> triggers;
    std::vector<Surface *> surfaces;

private:
    void phaseEnded(FramePhaseListener::Phase phase)
    {
        if (phaseListener)
            phaseListener->phaseEnded(phase);
    }
    FramePhaseListener *phaseListener = nullptr;

    // Tests an actor against the static boundaries listed in a cell; does
    // nothing when the cell lies outside the grid.
    void collideWithCell(Entity *actor, SbVec3f cell);
    void collideWithMoving(Entity *actor);
    bool cellIndex(SbVec3f cell, size_t &x, size_t &y, size_t &z) const;
};
