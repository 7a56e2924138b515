#pragma once

class World;

// The one object through which the game window reaches the current world,
// and the only place where worlds are switched. While a switch is under
// way (busy) every forwarded call is dropped.
class WorldProxy {
public:
    explicit WorldProxy(World *world);

    void setWorld(World *world);
    void reinitialize();
    World *world() const { return current; }
    bool isBusy() const { return busy; }

    // Sets the OpenGL defaults, then runs the world's initialize. Does not
    // look at busy.
    void initializeGL();

    void paint();
    void keyPressed(int key, int x, int y, int modifiers);
    void keyReleased(int key, int modifiers);
    void mouseMoved(int x, int y, int centreX, int centreY);
    void mouseButton(int button, bool pressed);
    void wheelTurned(int delta);
    void resize(int width, int height);

private:
    bool busy = false;
    World *current;
};
