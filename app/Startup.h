#pragma once
#include "app/GameRegistry.h"
#include "render/ComicStyle.h"
#include "world/WorldPainter.h"

#include <memory>
#include <string>
#include <vector>

class World;
class WorldPainter;
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

// Creates the worlds with their painters, the comic style and the registry
// (which makes the figures' sounds through the audio device), hands the
// first world to a new proxy and registers everything.
GameObjects createGameObjects();

// Starts the game at the given index of the world list instead of the
// first, as if the exits before it had been reached. False (and nothing
// changed) for an index outside the list.
bool startAtWorld(GameObjects &game, int world);

// Where the game looks for its data when the working directory holds none:
// beside the binary's own folder as the install lays it out
// (bin/torchhero, share/torchhero/), then the build's run directory
// (build/torchhero, build/run/).
std::vector<std::string> dataDirectoryCandidates();

// The game draws with the fixed-function pipeline, display lists and GLSL
// 1.x shaders: it needs a compatibility profile. Call before the
// QApplication exists.
void requestCompatibilityContext();

// The whole start-up and event loop: the command line, where the files
// are, the nickname window (unless the command line names the player) and
// the game window. Returns the process exit code: 2 for a command line
// that is refused, with one line on standard error.
int runGame(int argc, char **argv);
