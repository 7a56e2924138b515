#pragma once
// What the three text readers must hold for any input: the colour ramp, the
// high-score table (reading and update), the input-script parser. Each
// check returns an empty text when the input was handled soundly, else
// what went wrong. The fuzz targets abort on a non-empty answer; the tests
// replay the seed corpus through the same checks. Header-only, like
// SeedCorpus.h, so that both can use it without another library.
#include "core/HighScoreTable.h"
#include "core/InputScript.h"
#include "render/ColorRamp.h"

#include <Qt>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace fuzz {

inline std::string checkColorRamp(const std::string &text)
{
    std::istringstream in(text);
    ColorRamp::Texels texels{};
    if (!ColorRamp::read(in, texels))
        return {};
    for (float value : texels)
        if (!std::isfinite(value))
            return "an accepted ramp holds a value that is not finite";
    return {};
}

// A high-score input: three bytes of play time (seconds, modulo one more
// than a day's; the extra value stands for an invalid time), one byte of
// nickname length (modulo kMaxNickname + 1), the nickname, then the file.
struct HighScoreInput {
    QTime time;
    std::string nickname;
    std::string file;
};

constexpr int kSecondsPerDay = 24 * 60 * 60;
constexpr std::size_t kMaxNickname = 15;

inline HighScoreInput decodeHighScore(const std::string &bytes)
{
    HighScoreInput input;
    std::size_t at = 0;
    auto next = [&] { return at < bytes.size() ? static_cast<unsigned char>(bytes[at++]) : 0u; };
    const unsigned seconds = (next() | next() << 8 | next() << 16) % unsigned(kSecondsPerDay + 1);
    input.time = int(seconds) == kSecondsPerDay ? QTime() : QTime(0, 0).addSecs(int(seconds));
    const std::size_t length = next() % (kMaxNickname + 1);
    input.nickname = bytes.substr(std::min(at, bytes.size()), length);
    at = std::min(at + length, bytes.size());
    input.file = bytes.substr(at);
    return input;
}

inline std::string encodeHighScore(int seconds, const std::string &nickname, const std::string &file)
{
    std::string bytes;
    bytes += char(seconds & 0xFF);
    bytes += char((seconds >> 8) & 0xFF);
    bytes += char((seconds >> 16) & 0xFF);
    bytes += char(nickname.size());
    return bytes + nickname + file;
}

// Reads the table from the content, enters the time and checks the result;
// with a scratch path, also writes it there and reads it back.
inline std::string checkHighScore(const std::string &bytes, const std::string &scratchPath = {})
{
    using namespace HighScoreTable;
    const HighScoreInput input = decodeHighScore(bytes);
    const Lines before = splitLines(input.file);
    if (before.size() > std::size_t(kMaxLines))
        return "more lines read than a table holds";
    for (const std::string &line : before)
        if (line.size() > kMaxLineBytes || line.find('\n') != std::string::npos)
            return "a line read is too long or holds a line end";

    const Lines after = withEntry(before, input.time, input.nickname);
    if (after.size() < std::size_t(kHeaderLines) || after.size() > std::size_t(kMaxLines))
        return "the updated table has too few or too many lines";
    if (before.size() >= std::size_t(kHeaderLines) && (after[0] != before[0] || after[1] != before[1]))
        return "the header lines changed";
    for (std::size_t i = kHeaderLines; i < after.size(); ++i)
        if (after[i].empty() || after[i][0] != char('0' + int(i) - kHeaderLines + 1))
            return "an entry does not carry its rank";
    const std::size_t entriesBefore = before.size() > std::size_t(kHeaderLines) ? before.size() - kHeaderLines : 0;
    const std::size_t entriesAfter = after.size() - kHeaderLines;
    if (entriesAfter != entriesBefore && entriesAfter != entriesBefore + 1)
        return "entries were lost or invented";
    if (entriesBefore < std::size_t(kMaxEntries) && entriesAfter != entriesBefore + 1)
        return "a table with room did not take the new entry";

    // Read back, the table is what was written; a line may lose a carriage
    // return that a line end now follows.
    const Lines reread = splitLines(tableText(after));
    if (reread.size() != after.size())
        return "the written table reads back with another number of lines";
    for (std::size_t i = 0; i < after.size(); ++i)
        if (reread[i] != after[i] && reread[i] + '\r' != after[i])
            return "a line of the written table reads back changed";
    if (!scratchPath.empty()) {
        Lines fromFile;
        if (!writeTable(scratchPath, after) || !readTable(scratchPath, fromFile) || fromFile != reread)
            return "the table file does not read back as written";
    }
    return {};
}

inline bool knownKey(int key)
{
    for (int k : {Qt::Key_W, Qt::Key_A, Qt::Key_S, Qt::Key_D, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left,
                  Qt::Key_Right, Qt::Key_Space, Qt::Key_Shift})
        if (key == k)
            return true;
    return false;
}

inline std::string checkInputScript(const std::string &text)
{
    const InputScript script = parseInputScript(text);
    if (!script.error.empty()) {
        if (script.error.compare(0, 5, "line ") != 0 || script.error.find('\n') != std::string::npos)
            return "an error that does not name its line in one line: " + script.error;
        return {};
    }
    long frame = 0;
    int line = 0;
    for (const InputEvent &event : script.events) {
        if (event.frame < frame || event.line <= line)
            return "events out of order";
        if (event.repeat < 1 || event.repeat > InputScriptLimits::kMaxRepeat)
            return "a repeat count out of range";
        frame = event.frame;
        line = event.line;
        switch (event.kind) {
        case InputEvent::KeyDown:
        case InputEvent::KeyUp:
            if (!knownKey(event.key))
                return "a key the scripts do not name";
            break;
        case InputEvent::MouseMove:
            if (std::abs(event.dx) + std::abs(event.dy) != 1)
                return "a mouse move that is not one step";
            break;
        case InputEvent::MouseAt:
            if (std::abs(event.dx) > 1 || std::abs(event.dy) > 1)
                return "a pointer report beyond one pixel of the centre";
            break;
        case InputEvent::ButtonDown:
        case InputEvent::ButtonUp:
            if (event.button != 1 && event.button != 2)
                return "a button other than left or right";
            break;
        case InputEvent::Wheel:
            if (std::abs(static_cast<long long>(event.delta)) >
                static_cast<long long>(InputScriptLimits::kMaxWheelNotches) * InputScriptLimits::kWheelDeltaPerNotch)
                return "a wheel turn beyond the most notches one event may turn";
            break;
        default: return "an event of no known kind";
        }
    }
    return {};
}

} // namespace fuzz
