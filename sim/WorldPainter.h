#pragma once
// Draws one world: whatever a world looks like lives behind this, so that
// the simulation runs, and is tested, with no GL at all. A world without a
// painter steps as always and draws nothing.
class WorldPainter {
public:
    virtual ~WorldPainter() = default;
    // Once the world is built (its initialize has run): the GL defaults and
    // whatever the drawing keeps from frame to frame. Needs the GL context.
    virtual void setUp() = 0;
    // The current state of the world, as one picture; changes nothing of it.
    virtual void drawFrame() = 0;
    // The window's drawable area changed, pixels.
    virtual void resize(int width, int height) = 0;
};
