#pragma once
#include <string>
#include <vector>

struct GameObjects;
class ScriptedLevel;

// A level from a file the player writes, played in the first level's place
// (as practice: the run's time trial keeps no records of it). F5 reads the
// file again: a good file replaces the level, which starts over from its
// start; a bad one leaves the level as it was, and its errors are shown.
class LevelFilePlay {
public:
    explicit LevelFilePlay(std::string path) : path(std::move(path)) {}

    // Reads the file and puts its level in the first world's place, before
    // the run starts. The file's errors ("FILE:LINE:COLUMN: ...") when it
    // is bad; then nothing changed.
    std::vector<std::string> install(GameObjects &game);

    // Reads the file again and, when it is good, switches the proxy to a new
    // level built from it, now: call it between steps, with the GL context
    // current when the worlds are drawn. The old level is kept (worlds are
    // never deleted, so nothing that still points at one dangles). Returns
    // the file's errors; the old level then plays on.
    std::vector<std::string> reload(GameObjects &game);

    const std::string &file() const { return path; }

private:
    // A new level from the file, put in the first world's place; null,
    // with the errors and nothing changed, for a bad file.
    ScriptedLevel *readIntoPlace(GameObjects &game, std::vector<std::string> &errors) const;

    std::string path;
};
