#pragma once
#include "render/ComicStyle.h"
#include "sim/GameRegistry.h"
#include "sim/WorldPainter.h"

#include <memory>
#include <vector>

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
