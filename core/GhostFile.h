#pragma once
#include "core/GhostTrack.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Ghost files: one best ghost per nickname and level, in the folder
// "Ghosts" beside the high-score table ("Ghosts/Level01-Ann.ghost"; the
// nickname made file-name safe by RecordNames::fileNameSafe). Binary,
// little-endian:
//
//   offset  bytes
//   0       8     "TH-GHOST"
//   8       4     version, 1
//   12      4     step count n, 1 .. GhostTrack::kMaxFrames
//   16      34·n  one record a step: position x, y, z, heading, swing,
//                 walkSpeed, spinAngle, flicker as the floats' IEEE-754
//                 bits (so that a replay is bit-exact), then 2 bytes of
//                 flags, bit 0 up: walking, running, onGround, inAir,
//                 blinking, dead, forwardKey, backKey, leftKey, rightKey;
//                 the other six bits are 0
//   16+34·n 4     CRC-32 (core/Crc32.h) of every byte before it
//
// A file of another length than its count says, or another checksum, is
// refused: it was cut short or damaged. So is a value that is not finite.
namespace GhostFile {

constexpr std::uint32_t kVersion = 1;
constexpr std::size_t kHeaderBytes = 16;
constexpr std::size_t kFrameBytes = 34;
constexpr std::size_t kChecksumBytes = 4;
constexpr std::size_t kMaxFileBytes = kHeaderBytes + kFrameBytes * GhostTrack::kMaxFrames + kChecksumBytes;
inline constexpr const char *kFolder = "Ghosts";

// The file of a nickname's ghost of a level; "" when the nickname or level
// name cannot be stored (RecordNames).
std::string path(const std::string &nickname, const std::string &level);

// The file's bytes. The track should be one save accepts.
std::string encode(const GhostTrack &track);

// The track of a file's bytes; empty, with one line naming the problem,
// when they are not a sound ghost of this version.
std::optional<GhostTrack> decode(const std::string &bytes, std::string &problem);

// The ghost of the file. Empty when the file is missing; one that cannot be
// used is also named once on standard error (the next save replaces it).
std::optional<GhostTrack> load(const std::string &path);

// Writes the track atomically (AtomicFile::replace), making the folder
// when needed. False, and nothing written, for an empty or cut track, one
// with a value that is not finite, or when the file could not be written
// (the old one then stays).
bool save(const std::string &path, const GhostTrack &track);

} // namespace GhostFile
