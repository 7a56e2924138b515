#include "core/GhostFile.h"

#include "core/AtomicFile.h"
#include "core/Crc32.h"
#include "core/FileReport.h"
#include "core/RecordNames.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

namespace GhostFile {

namespace {
static_assert(std::numeric_limits<float>::is_iec559 && sizeof(float) == 4, "ghosts store IEEE-754 single floats");

const char kMagic[8] = {'T', 'H', '-', 'G', 'H', 'O', 'S', 'T'};
const char *const kExtension = ".ghost";
constexpr int kFloatsPerFrame = 8;
constexpr int kFlagCount = 10;
constexpr std::uint32_t kFlagMask = (1u << kFlagCount) - 1;

void putLE(std::string &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += char((value >> (8 * i)) & 0xFFu);
}

std::uint32_t getLE(const std::string &in, std::size_t at, int bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= std::uint32_t(static_cast<unsigned char>(in[at + std::size_t(i)])) << (8 * i);
    return value;
}

// The frame's floats and flags in file order.
void floatsOf(const GhostFrame &f, float (&values)[kFloatsPerFrame])
{
    const float all[kFloatsPerFrame] = {f.position[0], f.position[1], f.position[2], f.heading,
                                        f.swing,       f.walkSpeed,   f.spinAngle,   f.flicker};
    std::memcpy(values, all, sizeof values);
}

std::uint32_t flagsOf(const GhostFrame &f)
{
    const bool flags[kFlagCount] = {f.walking, f.running,    f.onGround, f.inAir,    f.blinking,
                                    f.dead,    f.forwardKey, f.backKey,  f.leftKey,  f.rightKey};
    std::uint32_t bits = 0;
    for (int i = 0; i < kFlagCount; ++i)
        bits |= std::uint32_t(flags[i]) << i;
    return bits;
}

GhostFrame frameOf(const float (&v)[kFloatsPerFrame], std::uint32_t bits)
{
    auto flag = [bits](int i) { return ((bits >> i) & 1u) != 0; };
    GhostFrame f{SbVec3f(v[0], v[1], v[2]), v[3], v[4], v[5], v[6], v[7],
                 flag(0), flag(1), flag(2), flag(3), flag(4), flag(5), flag(6), flag(7), flag(8), flag(9)};
    return f;
}

bool finite(const GhostFrame &frame)
{
    float values[kFloatsPerFrame];
    floatsOf(frame, values);
    for (float value : values)
        if (!std::isfinite(value))
            return false;
    return true;
}

void encodeFrame(std::string &out, const GhostFrame &frame)
{
    float values[kFloatsPerFrame];
    floatsOf(frame, values);
    for (float value : values) {
        std::uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        putLE(out, bits, 4);
    }
    putLE(out, flagsOf(frame), 2);
}

// The frame at `at`; false when a value is not finite or an unknown flag
// is set.
bool decodeFrame(const std::string &in, std::size_t at, GhostFrame &frame)
{
    float values[kFloatsPerFrame];
    for (int i = 0; i < kFloatsPerFrame; ++i) {
        const std::uint32_t bits = getLE(in, at + 4 * std::size_t(i), 4);
        std::memcpy(&values[i], &bits, sizeof bits);
        if (!std::isfinite(values[i]))
            return false;
    }
    const std::uint32_t flags = getLE(in, at + 4 * kFloatsPerFrame, 2);
    if ((flags & ~kFlagMask) != 0)
        return false;
    frame = frameOf(values, flags);
    return true;
}

// The problem of the header and length, or "" when the frames can be read.
std::string headerProblem(const std::string &bytes)
{
    if (bytes.size() < kHeaderBytes + kChecksumBytes || bytes.compare(0, sizeof kMagic, kMagic, sizeof kMagic) != 0)
        return "not a ghost file";
    const std::uint32_t version = getLE(bytes, 8, 4);
    if (version != kVersion)
        return "version " + std::to_string(version) + ", this game reads version " + std::to_string(kVersion);
    const std::uint64_t count = getLE(bytes, 12, 4);
    if (count == 0 || count > GhostTrack::kMaxFrames)
        return std::to_string(count) + " steps, outside 1 .. " + std::to_string(GhostTrack::kMaxFrames);
    if (bytes.size() != kHeaderBytes + kFrameBytes * count + kChecksumBytes)
        return "cut short or overlong: " + std::to_string(bytes.size()) + " bytes for " + std::to_string(count) +
               " steps";
    const std::size_t body = bytes.size() - kChecksumBytes;
    if (crc32(bytes.data(), body) != getLE(bytes, body, 4))
        return "damaged: the checksum does not match";
    return {};
}
} // namespace

std::string path(const std::string &nickname, const std::string &level)
{
    if (!RecordNames::isNickname(nickname) || !RecordNames::isLevelName(level))
        return {};
    const std::string name = level + "-" + RecordNames::fileNameSafe(nickname) + kExtension;
    return (std::filesystem::path(RecordNames::besideHighScores(kFolder)) / name).string();
}

std::string encode(const GhostTrack &track)
{
    std::string out(kMagic, sizeof kMagic);
    putLE(out, kVersion, 4);
    putLE(out, std::uint32_t(track.size()), 4);
    out.reserve(kHeaderBytes + kFrameBytes * track.size() + kChecksumBytes);
    for (const GhostFrame &frame : track.frames())
        encodeFrame(out, frame);
    putLE(out, crc32(out.data(), out.size()), 4);
    return out;
}

std::optional<GhostTrack> decode(const std::string &bytes, std::string &problem)
{
    problem = headerProblem(bytes);
    if (!problem.empty())
        return std::nullopt;
    GhostTrack track;
    const std::size_t count = getLE(bytes, 12, 4);
    for (std::size_t i = 0; i < count; ++i) {
        GhostFrame frame{};
        if (!decodeFrame(bytes, kHeaderBytes + kFrameBytes * i, frame)) {
            problem = "step " + std::to_string(i) + ": a value that is not finite or an unknown flag";
            return std::nullopt;
        }
        track.append(frame);
    }
    return track;
}

std::optional<GhostTrack> load(const std::string &path)
{
    std::string bytes;
    std::string problem;
    switch (AtomicFile::readBounded(path, kMaxFileBytes, bytes)) {
    case AtomicFile::ReadResult::Missing: return std::nullopt;
    case AtomicFile::ReadResult::NotAFile: problem = "not a regular file"; break;
    case AtomicFile::ReadResult::TooLarge: problem = "larger than " + std::to_string(kMaxFileBytes) + " bytes"; break;
    case AtomicFile::ReadResult::Failed: problem = "cannot be read"; break;
    case AtomicFile::ReadResult::Read:
        if (std::optional<GhostTrack> track = decode(bytes, problem))
            return track;
        break;
    }
    reportUnusableFile(path, problem + "; no ghost, the next best replaces the file");
    return std::nullopt;
}

bool save(const std::string &path, const GhostTrack &track)
{
    if (path.empty() || track.empty() || track.cut())
        return false;
    for (const GhostFrame &frame : track.frames())
        if (!finite(frame))
            return false;
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    std::error_code error;
    if (!parent.empty())
        std::filesystem::create_directories(parent, error);
    return !error && AtomicFile::replace(path, encode(track));
}

} // namespace GhostFile
