#pragma once
#include "world/World.h"

// The one implementation of the world interface. Every concrete world
// derives from it and fills in only the set-up steps it needs.
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
};
