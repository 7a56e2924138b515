#include "screens/HighScoreTable.h"

#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace HighScoreTable {

namespace {
const char *const kTimeFormat = "h:mm:ss";
// Where the time column starts in an entry line, and its width.
constexpr std::size_t kTimeColumn = 7;
constexpr std::size_t kTimeWidth = 7;
const char *const kColumnGap = "      ";
// The longest time the one-digit hour column can hold.
const QTime kLongestTime(9, 59, 59);

QTime storedTime(const std::string &line)
{
    if (line.size() <= kTimeColumn)
        return QTime();
    const std::size_t width = std::min(kTimeWidth, line.size() - kTimeColumn);
    return QTime::fromString(QString::fromLatin1(line.data() + kTimeColumn, qsizetype(width)), kTimeFormat);
}

// Whole seconds, capped at the longest time the column holds.
QTime tableTime(QTime playTime)
{
    if (!playTime.isValid())
        return playTime;
    if (playTime > kLongestTime)
        return kLongestTime;
    return QTime(playTime.hour(), playTime.minute(), playTime.second());
}

void setRank(std::string &line, int rank)
{
    const char digit = char('0' + rank);
    if (line.empty())
        line.assign(1, digit);
    else
        line[0] = digit;
}
} // namespace

Lines splitLines(const std::string &content)
{
    Lines lines;
    std::size_t start = 0;
    while (start < content.size() && lines.size() < std::size_t(kMaxLines)) {
        std::size_t end = content.find('\n', start);
        std::size_t length;
        if (end == std::string::npos) {
            end = content.size();
            length = end - start;
        } else {
            length = end - start;
            if (length > 0 && content[end - 1] == '\r')
                --length;
        }
        lines.push_back(content.substr(start, std::min(length, kMaxLineBytes)));
        start = end + 1;
    }
    return lines;
}

bool readTable(const std::string &path, Lines &lines)
{
    lines.clear();
    // A FIFO or a device would block or never end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string content(kReadLimitBytes, '\0');
    in.read(&content[0], std::streamsize(content.size()));
    content.resize(std::size_t(in.gcount()));
    lines = splitLines(content);
    return true;
}

int insertionPlace(const std::vector<QTime> &stored, QTime time)
{
    for (std::size_t i = 0; i < stored.size(); ++i)
        if (stored[i] >= time)
            return int(i);
    return stored.size() < std::size_t(kMaxEntries) ? int(stored.size()) : -1;
}

std::string entryLine(QTime time, const std::string &nickname)
{
    std::string name = nickname;
    std::replace(name.begin(), name.end(), '\n', ' ');
    std::replace(name.begin(), name.end(), '\r', ' ');
    const std::string shown = tableTime(time).toString(kTimeFormat).toStdString();
    return "1" + std::string(kColumnGap) + shown + kColumnGap + name;
}

Lines withEntry(Lines lines, QTime time, const std::string &nickname)
{
    // Without both header lines the table is not ours: start afresh.
    if (lines.size() < std::size_t(kHeaderLines))
        lines.assign(kHeaderLines, std::string());
    time = tableTime(time);
    std::vector<QTime> stored;
    for (std::size_t i = kHeaderLines; i < lines.size(); ++i)
        stored.push_back(storedTime(lines[i]));
    const int place = insertionPlace(stored, time);
    if (place >= 0)
        lines.insert(lines.begin() + kHeaderLines + place, entryLine(time, nickname));
    if (lines.size() > std::size_t(kMaxLines))
        lines.resize(kMaxLines);
    for (std::size_t i = kHeaderLines; i < lines.size(); ++i)
        setRank(lines[i], int(i) - kHeaderLines + 1);
    return lines;
}

std::string tableText(const Lines &lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += lines[i];
    }
    return text;
}

bool writeTable(const std::string &path, const Lines &lines)
{
    // QSaveFile writes to a temporary file beside the target and renames it
    // over the target on commit; without a commit the temporary file goes.
    // Its commit checks neither a short final flush nor the sync (Qt 6.4
    // renames a truncated file on a full disk), so both are checked here,
    // before the commit.
    QSaveFile file(QString::fromLocal8Bit(path.c_str()));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const std::string text = tableText(lines);
    const bool written = file.write(text.data(), qint64(text.size())) == qint64(text.size()) && file.flush() &&
                         ::fsync(file.handle()) == 0;
    if (!written) {
        file.cancelWriting();
        file.commit(); // cancelled: removes the temporary file
        return false;
    }
    return file.commit();
}

} // namespace HighScoreTable
