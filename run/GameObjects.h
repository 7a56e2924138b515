#pragma once
#include "render/ComicStyle.h"
#include "sim/GameRegistry.h"
#include "sim/WorldPainter.h"

#include <memory>
#include <string>
#include <vector>

class PictureExtras;
class World;
class WorldProxy;

// The ten worlds in the order of play: Level01, Level03, Level02,
// Level04 to Level08, then the high-score screen, then game over (last,
// so that losing the last life can jump straight to it). Constructing them
// loads nothing and needs no GL context.
std::vector<World *> createWorlds();

// Everything start-up creates before any window exists. Members are
// destroyed in reverse order: the registry goes first, the worlds are
// never deleted and the proxy lives until the process ends.
struct GameObjects {
    std::vector<World *> worlds;
    // One a world, in the same order.
    std::vector<std::unique_ptr<WorldPainter>> painters;
    std::unique_ptr<ComicStyle> comicStyle;
    std::unique_ptr<GameRegistry> registry;
    WorldProxy *proxy = nullptr;
    // Whether the worlds have painters, and what every level painter adds
    // to its picture (not owned; null: nothing).
    bool drawn = true;
    const PictureExtras *extras = nullptr;
    // The painters of worlds that were replaced (replaceWorld), kept with
    // their worlds.
    std::vector<std::unique_ptr<WorldPainter>> retiredPainters;
};

// Drawn: the worlds are drawn by their painters and the figures' sounds
// played; Headless: the simulation alone, no GL and no sound needed.
enum class Presentation { Drawn, Headless };

// Creates the worlds (with their painters, when drawn), the comic style and
// the registry (which makes the figures' sounds through the audio device,
// when drawn), hands the first world to a new proxy and registers
// everything.
GameObjects createGameObjects(Presentation presentation = Presentation::Drawn);

// Starts the game at the given index of the world list instead of the
// first, as if the exits before it had been reached. False (and nothing
// changed) for an index outside the list.
bool startAtWorld(GameObjects &game, int world);

// The index in the world list of the level with that name ("Level03"); -1
// for none.
int levelIndex(const GameObjects &game, const std::string &name);

// Every level painter, now and later, draws what the run adds.
void showPictureExtras(GameObjects &game, const PictureExtras *extras);

// Puts `world` (made by the caller, never deleted) in the list's place
// `index`, in the registry's list too, with a painter like the others'.
// The proxy is left alone.
void replaceWorld(GameObjects &game, size_t index, World *world);
