#pragma once
#include "core/PersonalBests.h"

#include <cstddef>
#include <optional>
#include <string>

// The personal-bests file, a text file of the game's own beside the
// high-score table. ASCII, one record a line, each ending in a line end:
//
//   TORCHHERO BESTS 1          format and version
//   nickname "J%F6rg"          a player; the bytes that follow are its records
//   best Level01 1070          best split of a level, in steps
//   run Level01 1102           the best run's splits, in the order played
//   run Level03 2310
//   end                        nothing may follow; a file cut short lacks it
//
// A nickname is quoted; inside the quotes, the bytes 0x20 to 0x7E other than
// '"' and '%' stand for themselves and every other byte is "%XX" (two
// upper-case hex digits). Steps are decimal, 0 .. SplitTime::kMaxSteps.
// Players come least recent first, as PersonalBests keeps them.
namespace PersonalBestsFile {

inline constexpr const char *kFileName = "PersonalBests.txt";
inline constexpr const char *kFirstLine = "TORCHHERO BESTS 1";
// Bounds of a file the reader takes: what the writer can produce at
// PersonalBests' limits (64 players × 65 lines of at most 33 bytes, about
// 134 KiB), with room to spare.
constexpr std::size_t kMaxFileBytes = 192 * 1024;
constexpr std::size_t kMaxLineBytes = 64;

// The file beside the high-score table.
std::string path();

std::string text(const PersonalBests &bests);

// The bests of a file's content; empty, with one line naming the first
// problem ("line 3: ..."), when the content is not a sound file of this
// version.
std::optional<PersonalBests> parse(const std::string &content, std::string &problem);

// The bests of the file. A missing file is empty; one that cannot be used
// (damaged, wrong version, too large, not a regular file) is named once on
// standard error and read as empty, and the next save replaces it.
PersonalBests load(const std::string &path);

// Replaces the file atomically (AtomicFile::replace); false when it could
// not be written, the old file then stays.
bool save(const std::string &path, const PersonalBests &bests);

} // namespace PersonalBestsFile
