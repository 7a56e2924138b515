#pragma once

class World;

// Told about every step paintSteps runs: before it, and once it is over
// (drawn, or its drawing skipped), which is where the playtest driver
// stands between two of its frames.
class StepObserver {
public:
    virtual ~StepObserver() = default;
    virtual void beforeStep() = 0;
    virtual void afterStep() = 0;
};

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

    // One step and one drawing (display).
    void paint();
    // Runs up to `steps` steps of the current world, then draws it once. A
    // world switch inside a step ends the steps: the world that was stepped
    // draws its last frame, as display would, and the next repaint goes to
    // the new world. Zero steps draw nothing. Returns the number of steps
    // run.
    int paintSteps(int steps, StepObserver *observer = nullptr);
    // One step whose drawing is left out.
    void stepWithoutDrawing();
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
