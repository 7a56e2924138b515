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
//
// A step never switches worlds itself: what happens in it (the exit
// touched, the last life lost) asks for a world, and the switch is carried
// out once the step is over, so that the new world's initialize runs
// between two steps and the old world's step runs to its end in a world
// that is still current.
class WorldProxy {
public:
    explicit WorldProxy(World *world);

    // Switches at once (start-up, the tools).
    void setWorld(World *world);
    // Asks for a switch at the end of the step under way; a later request
    // in the same step replaces an earlier one.
    void requestWorld(World *world) { requested = world; }
    // Carries out the switch a step asked for, if any; true when it did.
    bool switchIfRequested();
    void reinitialize();
    World *world() const { return current; }
    bool isBusy() const { return busy; }

    // Sets the OpenGL defaults, then runs the world's initialize. Does not
    // look at busy.
    void initializeGL();

    // One step and one drawing (display), then the switch the step asked
    // for.
    void paint();
    // Runs up to `steps` steps of the current world, then draws it once. A
    // step that asks for another world ends the steps: the world that was
    // stepped draws its last frame, as display would, the switch is carried
    // out, and the next repaint goes to the new world. The observer's
    // afterStep comes after the switch. Zero steps draw nothing. Returns the
    // number of steps run.
    int paintSteps(int steps, StepObserver *observer = nullptr);
    // One step whose drawing is left out, then the switch it asked for.
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
    World *requested = nullptr;
};
