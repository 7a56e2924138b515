#pragma once

class World;

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

    // Points the proxy at the world a run starts in, before anything is set
    // up: the window's first initializeGL sets it up.
    void startWith(World *world) { current = world; }
    // Switches at once (start-up, the tools).
    void setWorld(World *world);
    // Asks for a switch at the end of the step under way; a later request
    // in the same step replaces an earlier one.
    void requestWorld(World *world) { requested = world; }
    bool hasRequest() const { return requested != nullptr; }
    // The world the step under way asked for (null: none), and the request
    // withdrawn: a practice run plays its level again instead.
    World *requestedWorld() const { return requested; }
    void cancelRequest() { requested = nullptr; }
    // Carries out the switch a step asked for, if any; true when it did.
    bool switchIfRequested();
    World *world() const { return current; }
    bool isBusy() const { return busy; }

    // Runs the world's initialize, then its painter's set-up (the OpenGL
    // defaults and what the drawing keeps). Does not look at busy.
    void initializeGL();

    // One step and one drawing (display), then the switch the step asked
    // for: the forwarding form of run/StepRunner's loop, for one step.
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
    World *requested = nullptr;
};
