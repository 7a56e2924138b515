#pragma once
#include <cstddef>
#include <string>

// The names under which personal bests and ghosts are kept: the player's
// nickname and the level's name, and where their files live.
namespace RecordNames {

// The nickname window takes at most seven characters, kept as Latin-1
// bytes; any byte may occur, the empty name too. Longer names are not
// stored.
constexpr std::size_t kMaxNicknameBytes = 7;
// Level names are the worlds' names ("Level01"): letters, digits and '_'.
// Any such name is kept, so that a later level list still reads.
constexpr std::size_t kMaxLevelNameBytes = 16;

bool isNickname(const std::string &nickname);
bool isLevelName(const std::string &level);

// The nickname as a file-name part: ASCII letters and digits stay, every
// other byte becomes "_XX" (upper-case hex), so that two nicknames never
// share a name and no byte can reach outside the folder ("../", '/', NUL).
// The empty nickname gives the empty text. Distinct names that differ only
// in letter case need a case-sensitive file system (the game's own).
std::string fileNameSafe(const std::string &nickname);

// The directory of the high-score table (the run directory, or the user's
// data directory when installed), where the bests and ghosts are kept
// beside it; "" for the working directory.
std::string saveDirectory();

// `name` inside saveDirectory().
std::string besideHighScores(const std::string &name);

} // namespace RecordNames
