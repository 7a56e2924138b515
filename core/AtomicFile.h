#pragma once
#include <cstddef>
#include <string>

// Whole-file writes and reads for the game's own record files (personal
// bests, ghosts), with the high-score table's guarantees.
namespace AtomicFile {

// Replaces the file with `bytes` exactly as the high-score table is
// replaced (the same code): a temporary file beside it, flushed to disk,
// renamed into place, the directory synced, and the leftovers of killed
// writers removed. A crash, a kill or a full disk leaves the old file or
// the new one, never a part. False when the file could not be replaced;
// the old one is then untouched. The directory must exist.
bool replace(const std::string &path, const std::string &bytes);

enum class ReadResult {
    Read,
    Missing,
    NotAFile, // a directory, a FIFO, a device: reading could block or never end
    TooLarge, // more than maxBytes: refused unread
    Failed,   // cannot be opened or read, or grew while it was read
};

// Reads the whole file into `bytes` when it is a regular file of at most
// maxBytes; a larger one is refused unread, and no more than its size at
// the start is ever read.
ReadResult readBounded(const std::string &path, std::size_t maxBytes, std::string &bytes);

} // namespace AtomicFile
