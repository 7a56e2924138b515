#pragma once
#include <string>
#include <vector>

// Where the game looks for its data when the working directory holds none:
// beside the binary's own folder as the install lays it out
// (bin/torchhero, share/torchhero/), then the build's run directory
// (build/torchhero, build/run/).
std::vector<std::string> dataDirectoryCandidates();

// The whole start-up and event loop: the command line, where the files
// are, the nickname window (unless the command line names the player) and
// the game window. Returns the process exit code: 2 for a command line
// that is refused, with one line on standard error.
int runGame(int argc, char **argv);
