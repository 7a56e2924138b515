#include "core/RecordNames.h"

#include "core/Paths.h"

#include <filesystem>

namespace RecordNames {

namespace {
const char *const kHexDigits = "0123456789ABCDEF";
constexpr char kEscape = '_';

bool isAsciiAlnum(unsigned char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
} // namespace

bool isNickname(const std::string &nickname) { return nickname.size() <= kMaxNicknameBytes; }

bool isLevelName(const std::string &level)
{
    if (level.empty() || level.size() > kMaxLevelNameBytes)
        return false;
    for (unsigned char c : level)
        if (!isAsciiAlnum(c) && c != '_')
            return false;
    return true;
}

std::string fileNameSafe(const std::string &nickname)
{
    std::string safe;
    for (unsigned char c : nickname) {
        if (isAsciiAlnum(c)) {
            safe += char(c);
        } else {
            safe += kEscape;
            safe += kHexDigits[c >> 4];
            safe += kHexDigits[c & 0xF];
        }
    }
    return safe;
}

std::string saveDirectory() { return std::filesystem::path(highScoreFile()).parent_path().string(); }

std::string besideHighScores(const std::string &name)
{
    const std::string directory = saveDirectory();
    return directory.empty() ? name : (std::filesystem::path(directory) / name).string();
}

} // namespace RecordNames
