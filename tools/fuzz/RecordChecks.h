#pragma once
// What the readers of the personal-bests file and the ghost files must
// hold for any input. Each check returns an empty text when the input was
// handled soundly, else what went wrong; the fuzz targets abort on a
// non-empty answer and the tests replay the seed corpus through the same
// checks. Header-only, like TextChecks.h.
#include "core/Crc32.h"
#include "core/GhostFile.h"
#include "core/PersonalBestsFile.h"
#include "core/RecordNames.h"

#include <cmath>
#include <string>

namespace fuzz {

inline bool oneLine(const std::string &problem) { return !problem.empty() && problem.find('\n') == std::string::npos; }

inline std::string checkBestsLimits(const PersonalBests &bests)
{
    if (bests.players().size() > PersonalBests::kMaxPlayers)
        return "more players than the game keeps";
    for (const PersonalBests::Player &player : bests.players()) {
        if (!RecordNames::isNickname(player.nickname))
            return "a nickname the game cannot store";
        if (player.bests.size() > PersonalBests::kMaxLevels || player.run.size() > PersonalBests::kMaxLevels)
            return "more levels than the game keeps";
        for (const auto *splits : {&player.bests, &player.run})
            for (const LevelSplit &split : *splits)
                if (!RecordNames::isLevelName(split.level) || split.steps < 0 || split.steps > SplitTime::kMaxSteps)
                    return "a split the game cannot store";
    }
    return {};
}

// Reads the content; what is accepted must keep every limit, be written
// within the reader's bounds and read back the same, also after a record.
inline std::string checkBests(const std::string &content)
{
    std::string problem;
    std::optional<PersonalBests> bests = PersonalBestsFile::parse(content, problem);
    if (!bests)
        return oneLine(problem) ? std::string() : "a refusal that is not one line: " + problem;
    if (const std::string limits = checkBestsLimits(*bests); !limits.empty())
        return limits;
    bests->recordSplit("Zed", "Level01", 1);
    bests->recordRun("Zed", {{"Level01", 1}});
    const std::string text = PersonalBestsFile::text(*bests);
    if (text.size() > PersonalBestsFile::kMaxFileBytes)
        return "written larger than the reader takes";
    const std::optional<PersonalBests> reread = PersonalBestsFile::parse(text, problem);
    if (!reread || PersonalBestsFile::text(*reread) != text)
        return "the written file does not read back as written: " + problem;
    return {};
}

// The bytes with their last four replaced by the right checksum, so that
// fuzzing reaches the steps behind it.
inline std::string resealed(std::string bytes)
{
    if (bytes.size() < GhostFile::kChecksumBytes)
        return bytes;
    const std::size_t body = bytes.size() - GhostFile::kChecksumBytes;
    const std::uint32_t crc = crc32(bytes.data(), body);
    for (std::size_t i = 0; i < GhostFile::kChecksumBytes; ++i)
        bytes[body + i] = char(crc >> (8 * i));
    return bytes;
}

// Decodes the bytes, as they are and resealed; an accepted ghost must be
// within bounds, finite, and the only encoding of its steps.
inline std::string checkGhost(const std::string &bytes)
{
    for (const std::string &input : {bytes, resealed(bytes)}) {
        std::string problem;
        const std::optional<GhostTrack> track = GhostFile::decode(input, problem);
        if (!track) {
            if (!oneLine(problem))
                return "a refusal that is not one line: " + problem;
            continue;
        }
        if (track->empty() || track->size() > GhostTrack::kMaxFrames || track->cut())
            return "an accepted ghost outside 1 .. kMaxFrames steps";
        for (const GhostFrame &f : track->frames())
            for (float value : {f.position[0], f.position[1], f.position[2], f.heading, f.swing, f.walkSpeed,
                                f.spinAngle, f.flicker})
                if (!std::isfinite(value))
                    return "an accepted ghost holds a value that is not finite";
        if (GhostFile::encode(*track) != input)
            return "an accepted ghost encodes to other bytes";
    }
    return {};
}

} // namespace fuzz
