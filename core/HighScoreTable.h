#pragma once
#include <QTime>

#include <cstddef>
#include <string>
#include <vector>

// The high-score file: two header lines, copied unchanged, then at most nine
// entries, best (shortest) time first, one line each:
//
//   0       rank digit '1' to '9'
//   1-6     six spaces
//   7-13    finishing time "h:mm:ss"
//   14-19   six spaces
//   20-     nickname
//
// A line end between lines, none after the last. Plain code without GL, so
// that tests and fuzz targets can run it.
namespace HighScoreTable {

using Lines = std::vector<std::string>;

constexpr int kHeaderLines = 2;
// The table before anyone finished: the two header lines, no line end
// after the last. The column titles sit above the entry layout.
inline constexpr const char *kEmptyTable = "HIGH SCORES\n"
                                           "#      Time         Name";
constexpr int kMaxEntries = 9;
constexpr int kMaxLines = kHeaderLines + kMaxEntries;
// A line is cut to this many bytes (an entry with a seven-character
// nickname needs 27), and a read looks at no more than the first
// kReadLimitBytes of the file: the screen re-reads the file every frame, so
// a huge or hostile file must cost no more than a sound one.
constexpr std::size_t kMaxLineBytes = 128;
constexpr std::size_t kReadLimitBytes = 16 * 1024;

// Splits file content into at most kMaxLines lines, each cut to
// kMaxLineBytes. A line end after the last line, and a carriage return
// before a line end, are not part of any line.
Lines splitLines(const std::string &content);

// Reads the file (a host path) with the limits above. False when it cannot
// be opened or is not a regular file; lines is then empty.
bool readTable(const std::string &path, Lines &lines);

// Where a new time goes among the stored ones (file order): before the
// first stored time that is not shorter (a tie goes above the older entry),
// else after the last; -1 when the table is full and every stored time is
// shorter. Times that do not parse are invalid QTimes and compare as QTime
// defines it (before every valid time).
int insertionPlace(const std::vector<QTime> &stored, QTime time);

// The line of a new entry, ranked 1 until the table numbers it. The time is
// kept to whole seconds, and ten hours or more are written as 9:59:59, so
// that the columns hold. Line breaks in the nickname become spaces: they
// would split the entry.
std::string entryLine(QTime time, const std::string &nickname);

// The table with the new entry: a table with fewer than two lines starts afresh
// from two empty header lines; then the entry is inserted (compared
// as entryLine writes its time; a time cut to 9:59:59 goes below the stored
// 9:59:59 entries, as it may be the longer run), the table cut to kMaxLines
// lines and the entries numbered 1 to 9.
Lines withEntry(Lines lines, QTime time, const std::string &nickname);

// The file content: lines joined by line ends, none after the last.
std::string tableText(const Lines &lines);

// Replaces the file atomically: the text is written to a temporary file
// beside it ("<path>.<pid>.tmp"), flushed to disk and renamed into place,
// so that a crash, a kill or a full disk leaves either the old table or the
// new one. A successful rewrite also removes the temporary files of earlier
// writers that were killed. False when the file could not be replaced; the
// old table is then untouched and the temporary file removed.
bool writeTable(const std::string &path, const Lines &lines);

} // namespace HighScoreTable
