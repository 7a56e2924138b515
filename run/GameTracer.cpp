#include "run/GameTracer.h"

#include "run/TimeTrial.h"
#include "sim/Didud.h"
#include "sim/GameRegistry.h"
#include "sim/Level.h"
#include "sim/MovingBoundary.h"
#include "sim/Player.h"
#include "sim/Trigger.h"

namespace {
constexpr const char *kDidudStateNames[] = {"back", "death", "gone"};
}

GameTracer::GameTracer(const std::vector<World *> &list, std::FILE *output) : worlds(list), out(output) {}

void GameTracer::observe(long frame)
{
    if (trial)
        if (const std::optional<LevelSplit> split = trial->takeSplit())
            std::fprintf(out, "frame %ld: split %s %s\n", frame, split->level.c_str(),
                         SplitTime::format(split->steps).c_str());
    World *world = GameRegistry::currentWorld();
    if (world != lastWorld) {
        const int index = indexOf(world);
        std::fprintf(out, "frame %ld: world %d%s\n", frame, index,
                     lastWorld && size_t(index) + 1 == worlds.size() ? " (game over)"
                     : lastWorld                                     ? " (exit touched)"
                                                                     : "");
        lastWorld = world;
        watchWorld(world);
    }
    if (player && player->isDead() != wasDead) {
        wasDead = player->isDead();
        std::fprintf(out, wasDead ? "frame %ld: death\n" : "frame %ld: restart\n", frame);
    }
    if (GameRegistry::getLives() != lives) {
        lives = GameRegistry::getLives();
        std::fprintf(out, "frame %ld: lives %d\n", frame, lives);
    }
    for (size_t i = 0; i < vavodi.size(); ++i) {
        const DidudState now = stateOf(*vavodi[i]);
        if (now != didudStates[i])
            std::fprintf(out, "frame %ld: didud %zu %s\n", frame, i, kDidudStateNames[int(now)]);
        didudStates[i] = now;
    }
    for (size_t i = 0; i < triggers.size(); ++i) {
        if (triggers[i]->isActive() && !triggerActive[i])
            std::fprintf(out, "frame %ld: trigger %zu fired\n", frame, i);
        triggerActive[i] = triggers[i]->isActive();
    }
}

void GameTracer::enteredInTurn(long frame)
{
    World *world = GameRegistry::currentWorld();
    std::fprintf(out, "frame %ld: world %d (next in turn)\n", frame, indexOf(world));
    lastWorld = world;
    watchWorld(world);
}

void GameTracer::summary(long frames) const
{
    Player *hero = GameRegistry::getPlayer();
    const SbVec3f at = hero ? hero->getPosition() : SbVec3f(0, 0, 0);
    std::fprintf(out, "summary: world %d lives %d position %.3f %.3f %.3f frames %ld\n",
                 indexOf(GameRegistry::currentWorld()), GameRegistry::getLives(), at[0], at[1], at[2], frames);
}

GameTracer::DidudState GameTracer::stateOf(const Didud &didud)
{
    return didud.isGone() ? DidudState::Gone : didud.isDead() ? DidudState::Dead : DidudState::Alive;
}

int GameTracer::currentWorldIndex() const { return indexOf(GameRegistry::currentWorld()); }

int GameTracer::indexOf(World *world) const
{
    for (size_t i = 0; i < worlds.size(); ++i)
        if (worlds[i] == world)
            return int(i);
    return -1;
}

void GameTracer::watchWorld(World *world)
{
    auto *level = dynamic_cast<Level *>(world);
    player = level ? level->getPlayer() : nullptr;
    wasDead = player && player->isDead();
    triggers.clear();
    vavodi.clear();
    if (world) {
        for (MovingBoundary *boundary : world->getMovingBoundaries())
            if (auto *trigger = dynamic_cast<Trigger *>(boundary))
                triggers.push_back(trigger);
        for (Entity *actor : world->getEntities())
            if (auto *didud = dynamic_cast<Didud *>(actor))
                vavodi.push_back(didud);
    }
    triggerActive.assign(triggers.size(), false);
    didudStates.assign(vavodi.size(), DidudState::Alive);
}
