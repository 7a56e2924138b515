#pragma once
#include <vector>

class World;

// The ten worlds in the order of play: Level01, Level03, Level02,
// Level04 to Level08, then the high-score screen, then game over (last,
// so that losing the last life can jump straight to it). Constructing them
// loads nothing and needs no GL context.
std::vector<World *> createWorlds();

// The whole start-up and event loop; returns the process exit code.
int runGame(int argc, char **argv);
