#include "core/PersonalBestsFile.h"

#include "core/AtomicFile.h"
#include "core/FileReport.h"
#include "core/RecordNames.h"

#include <algorithm>
#include <string_view>

namespace PersonalBestsFile {

namespace {
const char *const kVersionPrefix = "TORCHHERO BESTS ";
const char *const kLastLine = "end";
const char *const kNicknameWord = "nickname \"";
const char *const kBestWord = "best ";
const char *const kRunWord = "run ";
const char *const kHexDigits = "0123456789ABCDEF";
constexpr char kEscape = '%';
constexpr char kQuote = '"';
// The bytes a nickname may hold as themselves, ' ' to '~'.
constexpr unsigned char kFirstPlainByte = 0x20;
constexpr unsigned char kLastPlainByte = 0x7E;
// Enough digits for kMaxSteps and no more.
constexpr std::size_t kMaxStepDigits = 7;

bool startsWith(std::string_view line, std::string_view prefix) { return line.substr(0, prefix.size()) == prefix; }

std::string quoted(const std::string &nickname)
{
    std::string out(1, kQuote);
    for (unsigned char c : nickname) {
        if (c >= kFirstPlainByte && c <= kLastPlainByte && c != kQuote && c != kEscape) {
            out += char(c);
        } else {
            out += kEscape;
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 0xF];
        }
    }
    return out + kQuote;
}

int hexValue(char c)
{
    const char *at = std::char_traits<char>::find(kHexDigits, 16, c);
    return at ? int(at - kHexDigits) : -1;
}

// The nickname inside a quoted name (quotes already taken off).
std::optional<std::string> unquoted(std::string_view text)
{
    std::string name;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == kEscape) {
            if (i + 2 >= text.size())
                return std::nullopt;
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high < 0 || low < 0)
                return std::nullopt;
            name += char(high * 16 + low);
            i += 2;
        } else if (c < kFirstPlainByte || c > kLastPlainByte || c == kQuote) {
            return std::nullopt;
        } else {
            name += char(c);
        }
    }
    return name;
}

std::optional<SplitTime::Steps> steps(std::string_view digits)
{
    if (digits.empty() || digits.size() > kMaxStepDigits ||
        digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    SplitTime::Steps value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    if (value > SplitTime::kMaxSteps)
        return std::nullopt;
    return value;
}

// "LEVEL STEPS" after a best or run word.
std::optional<LevelSplit> levelSplit(std::string_view rest)
{
    const std::size_t space = rest.find(' ');
    if (space == std::string_view::npos)
        return std::nullopt;
    const std::string level(rest.substr(0, space));
    const std::optional<SplitTime::Steps> value = steps(rest.substr(space + 1));
    if (!RecordNames::isLevelName(level) || !value)
        return std::nullopt;
    return LevelSplit{level, *value};
}

// Reads the lines between the first and the last into players, checking
// every limit PersonalBests keeps.
class Reader {
public:
    std::vector<PersonalBests::Player> players;

    // An empty text when the line was taken, else the problem.
    std::string take(std::string_view line)
    {
        if (startsWith(line, kNicknameWord))
            return nickname(line.substr(std::char_traits<char>::length(kNicknameWord)));
        if (players.empty())
            return "a record before the first nickname";
        PersonalBests::Player &player = players.back();
        if (startsWith(line, kBestWord))
            return best(player, line.substr(std::char_traits<char>::length(kBestWord)));
        if (startsWith(line, kRunWord))
            return runSplit(player, line.substr(std::char_traits<char>::length(kRunWord)));
        return "not a nickname, best or run line";
    }

private:
    std::string nickname(std::string_view rest)
    {
        if (rest.empty() || rest.back() != kQuote)
            return "a nickname without its closing quote";
        const std::optional<std::string> name = unquoted(rest.substr(0, rest.size() - 1));
        if (!name || !RecordNames::isNickname(*name))
            return "a nickname that is badly escaped or too long";
        if (players.size() >= PersonalBests::kMaxPlayers)
            return "more nicknames than the game keeps";
        for (const PersonalBests::Player &player : players)
            if (player.nickname == *name)
                return "a nickname given twice";
        players.push_back({*name, {}, {}});
        return {};
    }

    static std::string best(PersonalBests::Player &player, std::string_view rest)
    {
        const std::optional<LevelSplit> split = levelSplit(rest);
        if (!split)
            return "a best that is not a level name and a step count";
        if (player.bests.size() >= PersonalBests::kMaxLevels)
            return "more bests than the game keeps";
        for (const LevelSplit &known : player.bests)
            if (known.level == split->level)
                return "a level's best given twice";
        player.bests.push_back(*split);
        return {};
    }

    static std::string runSplit(PersonalBests::Player &player, std::string_view rest)
    {
        const std::optional<LevelSplit> split = levelSplit(rest);
        if (!split)
            return "a run split that is not a level name and a step count";
        if (player.run.size() >= PersonalBests::kMaxLevels)
            return "a run longer than the game keeps";
        player.run.push_back(*split);
        return {};
    }
};

// Splits the content into lines, each without its line end (and a carriage
// return before it); false when the content does not end in a line end.
bool splitLines(std::string_view content, std::vector<std::string_view> &lines)
{
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = content.find('\n', start);
        if (end == std::string_view::npos)
            return false;
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return true;
}

// The version is named only when it is a plain number: the rest of a
// hostile first line must not reach the terminal.
std::string versionProblem(std::string_view first)
{
    const std::size_t prefix = std::char_traits<char>::length(kVersionPrefix);
    const std::string_view version = first.substr(std::min(first.size(), prefix));
    if (!startsWith(first, kVersionPrefix) || version.empty() || version.size() > kMaxStepDigits ||
        version.find_first_not_of("0123456789") != std::string_view::npos)
        return "line 1: not a personal-bests file";
    return "line 1: version " + std::string(version) + ", this game reads " + kFirstLine;
}
} // namespace

std::string path() { return RecordNames::besideHighScores(kFileName); }

std::string text(const PersonalBests &bests)
{
    std::string out = std::string(kFirstLine) + '\n';
    for (const PersonalBests::Player &player : bests.players()) {
        out += "nickname " + quoted(player.nickname) + '\n';
        for (const LevelSplit &best : player.bests)
            out += kBestWord + best.level + ' ' + std::to_string(best.steps) + '\n';
        for (const LevelSplit &split : player.run)
            out += kRunWord + split.level + ' ' + std::to_string(split.steps) + '\n';
    }
    return out + kLastLine + '\n';
}

std::optional<PersonalBests> parse(const std::string &content, std::string &problem)
{
    std::vector<std::string_view> lines;
    if (content.size() > kMaxFileBytes)
        problem = "larger than " + std::to_string(kMaxFileBytes) + " bytes";
    else if (!splitLines(content, lines) || lines.empty() || lines.back() != kLastLine)
        problem = "cut short: the last line is not \"end\"";
    else if (lines.front() != kFirstLine)
        problem = versionProblem(lines.front());
    if (!problem.empty())
        return std::nullopt;
    Reader reader;
    for (std::size_t i = 1; i + 1 < lines.size() && problem.empty(); ++i) {
        problem = lines[i].size() > kMaxLineBytes ? "a line too long" : reader.take(lines[i]);
        if (!problem.empty())
            problem = "line " + std::to_string(i + 1) + ": " + problem;
    }
    if (!problem.empty())
        return std::nullopt;
    return PersonalBests(std::move(reader.players));
}

PersonalBests load(const std::string &path)
{
    std::string content;
    std::string problem;
    switch (AtomicFile::readBounded(path, kMaxFileBytes, content)) {
    case AtomicFile::ReadResult::Missing: return {};
    case AtomicFile::ReadResult::NotAFile: problem = "not a regular file"; break;
    case AtomicFile::ReadResult::TooLarge: problem = "larger than " + std::to_string(kMaxFileBytes) + " bytes"; break;
    case AtomicFile::ReadResult::Failed: problem = "cannot be read"; break;
    case AtomicFile::ReadResult::Read:
        if (std::optional<PersonalBests> bests = parse(content, problem))
            return *bests;
        break;
    }
    reportUnusableFile(path, problem + "; personal bests start empty, the next best replaces the file");
    return {};
}

bool save(const std::string &path, const PersonalBests &bests) { return AtomicFile::replace(path, text(bests)); }

} // namespace PersonalBestsFile
