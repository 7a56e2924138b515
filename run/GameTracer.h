#pragma once
#include <cstdio>
#include <vector>

class Didud;
class Player;
class TimeTrial;
class Trigger;
class World;

// Watches the game between steps and writes a line for every change of
// interest: world switches, the hero's deaths and restarts, lives, the
// Vavodi's deaths, vanishings and returns (numbered in level order), and
// triggers fired. The playtest driver and the game window (--trace) write
// the same lines, so that a run can be compared between the two:
//
//   frame 0: world 0
//   frame 212: death
//   frame 260: restart
//   frame 260: lives 2
//   frame 1135: split Level01 0:22.70
//   summary: world 0 lives 2 position 20.000 2.000 20.000 frames 300
class GameTracer {
public:
    GameTracer(const std::vector<World *> &worlds, std::FILE *out);

    // After `frame` steps have run (0: before the first).
    void observe(long frame);
    // The splits of the time trial (not owned) are written too, each
    // before the other lines of the step that touched the exit.
    void watchSplits(TimeTrial *timeTrial) { trial = timeTrial; }
    // The driver switched to the next world itself, not the game: the line
    // says so instead of naming an exit or a game over.
    void enteredInTurn(long frame);
    // The last line: where the run ended after `frames` steps.
    void summary(long frames) const;
    // The place of the current world in the list, -1 when it is none of them.
    int currentWorldIndex() const;

private:
    enum class DidudState { Alive, Dead, Gone };
    static DidudState stateOf(const Didud &didud);
    int indexOf(World *world) const;
    void watchWorld(World *world);

    const std::vector<World *> &worlds;
    std::FILE *out;
    TimeTrial *trial = nullptr;
    World *lastWorld = nullptr;
    Player *player = nullptr;
    bool wasDead = false;
    int lives = 3;
    std::vector<Trigger *> triggers;
    std::vector<bool> triggerActive;
    std::vector<Didud *> vavodi;
    std::vector<DidudState> didudStates;
};
