#pragma once
class WorldProxy;

// Told about every step the runner runs: before it (where the input of the
// step is handed over), once the world has stepped (motion, collisions and
// what they settle; nothing drawn yet), and once the step is over (drawn if
// it is drawn, the switch it asked for carried out), which is where the
// playtest driver stands between two of its frames.
class StepObserver {
public:
    virtual ~StepObserver() = default;
    virtual void beforeStep() {}
    virtual void stepped() {}
    virtual void afterStep() {}
};

// The game's one loop, run by the window, the playtest driver and the frame
// benchmark alike: up to `steps` steps of the proxy's current world, then
// one drawing of it. A step that asks for another world ends the steps:
// the world that was stepped draws its last frame, the switch is carried
// out, and the next call goes to the new world. Nothing runs while the
// proxy is switching, nor for zero steps. Returns the number of steps run.
int runSteps(WorldProxy &proxy, int steps, StepObserver *observer = nullptr);
