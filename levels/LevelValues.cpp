#include "levels/LevelValues.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Skips a run of digits from `at`; how many there were.
std::size_t digits(const std::string &text, std::size_t &at)
{
    const std::size_t start = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at - start;
}

// [+-] digits [. digits] [e [+-] digits], with digits on at least one side
// of the point: the decimal literals of C++ without suffix.
bool isDecimal(const std::string &text)
{
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        ++at;
    std::size_t mantissa = digits(text, at);
    if (at < text.size() && text[at] == '.') {
        ++at;
        mantissa += digits(text, at);
    }
    if (mantissa == 0)
        return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
        if (digits(text, at) == 0)
            return false;
    }
    return at == text.size();
}

bool namesInfinityOrNaN(std::string text)
{
    if (!text.empty() && (text[0] == '+' || text[0] == '-'))
        text.erase(0, 1);
    for (char &c : text)
        c = char(c | 0x20); // ASCII lower case
    return text == "inf" || text == "infinity" || text == "nan";
}

std::string format(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", double(value));
    return text;
}

} // namespace

bool readLevelNumber(const std::string &text, float &value, std::string &why)
{
    if (namesInfinityOrNaN(text)) {
        why = "'" + text + "' is not a finite number";
        return false;
    }
    if (!isDecimal(text)) {
        why = "'" + text + "' is not a number";
        return false;
    }
    // from_chars takes no '+'; the sign is the only thing it does not read.
    const char *first = text.data() + (text[0] == '+' ? 1 : 0);
    const char *last = text.data() + text.size();
    const auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        double wide = 0.0;
        std::from_chars(first, last, wide);
        why = std::fabs(wide) < 1.0 ? "'" + text + "' is too close to zero for a float"
                                    : "'" + text + "' is not a finite float (beyond 3.4e38)";
        return false;
    }
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(value)) {
        why = "'" + text + "' is not a number";
        return false;
    }
    // As in C++, "-0" is the integer 0 negated, which is +0; "-0.0" is -0.
    if (value == 0.0f && text.find_first_of(".eE") == std::string::npos)
        value = 0.0f;
    return true;
}

bool inRange(float value, const NumberRange &range)
{
    const bool aboveLow = range.lowIncluded ? value >= range.low : value > range.low;
    const bool belowHigh = range.highIncluded ? value <= range.high : value < range.high;
    return aboveLow && belowHigh && (!range.whole || value == std::trunc(value));
}

std::string rangeText(const NumberRange &range)
{
    std::string text = range.whole ? "a whole number " : "";
    if (range.lowIncluded && range.highIncluded)
        return text + "from " + format(range.low) + " to " + format(range.high);
    if (range.lowIncluded)
        return text + "from " + format(range.low) + " up to (not including) " + format(range.high);
    return text + "more than " + format(range.low) + " and at most " + format(range.high);
}

bool isLevelName(const std::string &text)
{
    if (text.empty() || text.size() > LevelLimits::kMaxNameLength || !(isLetter(text[0]) || text[0] == '_'))
        return false;
    for (char c : text)
        if (!(isLetter(c) || isDigit(c) || c == '_'))
            return false;
    return true;
}

bool isTextureFileName(const std::string &text)
{
    static const std::string kSuffix = ".bmp";
    if (text.size() <= kSuffix.size() || text.size() > LevelLimits::kMaxNameLength || text[0] == '.' ||
        text.compare(text.size() - kSuffix.size(), kSuffix.size(), kSuffix) != 0)
        return false;
    for (char c : text)
        if (!(isLetter(c) || isDigit(c) || c == '_' || c == '-' || c == '.'))
            return false;
    return true;
}
