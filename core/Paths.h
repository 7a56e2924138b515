#pragma once
#include <string>
#include <vector>

// The game names its files the way it was first written, with a backslash
// separator ("Texturen\grass.bmp"), relative to its data directory. Every
// read of a game file goes through hostPath, which turns the separator into
// '/' and puts the data directory in front (nothing when the game reads
// from the working directory, as it does in a run directory).
std::string hostPath(std::string path);

// "" for the working directory.
void setDataDirectory(std::string directory);
const std::string &dataDirectory();

// The high-score table: read and rewritten by the high-score screen, never
// inside an installed data directory. "HighScore.hs" (the working
// directory) until start-up says otherwise.
void setHighScoreFile(std::string path);
const std::string &highScoreFile();

// Whether a directory holds the game's files: its textures folder or the
// toon shader. A damaged run directory (a ramp or a bitmap missing) still
// counts, so that the game says which file it misses.
bool holdsGameFiles(const std::string &directory);

struct FileLocations {
    std::string dataDirectory; // "" for the working directory
    std::string highScoreFile;
    // Non-empty when no data directory was found; one line for the player.
    std::string problem;
};

// Where the game reads and writes, in this order of choice:
// - `requested` (--data DIR), when given: read from there, scores in the
//   user's directory; a directory without the game's files is a problem;
// - the working directory, when it holds the game's files: everything
//   relative to it, as in the build's run directory;
// - the first of `installed` that holds the game's files: read from there,
//   scores in the user's directory.
// `userDirectory` is the user's data directory for the game.
FileLocations locateGameFiles(const std::string &requested, const std::vector<std::string> &installed,
                              const std::string &userDirectory);

// The two header lines of an empty table, written when the file is missing
// (its directory is created). Returns an error text, empty on success or
// when the file was there already.
std::string seedHighScoreTable(const std::string &path);
