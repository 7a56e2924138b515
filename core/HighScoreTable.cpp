#include "core/HighScoreTable.h"

#include <QString>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <fcntl.h>
#include <sys/stat.h>
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

// A time of ten hours or more is written as kLongestTime, so its true
// length is lost. It goes below every stored entry of that time (a tie
// otherwise goes above), so that a longer run never ranks above a shorter
// one.
int cappedPlace(const std::vector<QTime> &stored, int place)
{
    while (place >= 0 && std::size_t(place) < stored.size() && stored[std::size_t(place)] == kLongestTime)
        ++place;
    return place >= kMaxEntries ? -1 : place;
}

// Temporary files are "<table>.<pid>.tmp" beside the table: one name per
// writer, so that two games never write into the same one, and the pid
// tells whether a leftover's writer still runs.
const char *const kTemporarySuffix = ".tmp";

std::string temporaryPath(const std::string &path, long pid)
{
    return path + "." + std::to_string(pid) + kTemporarySuffix;
}

bool writeAll(int fd, const std::string &text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += std::size_t(n);
    }
    return true;
}

// The pid of a leftover temporary file of this table, or 0 when the name is
// not one.
long leftoverPid(const std::string &name, const std::string &prefix)
{
    const std::size_t suffix = std::char_traits<char>::length(kTemporarySuffix);
    if (name.size() <= prefix.size() + suffix || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix, suffix, kTemporarySuffix) != 0)
        return 0;
    const std::string digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix);
    if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return std::stol(digits);
}

// Removes the temporary files that killed writers left beside the table.
// Known compromise: a leftover whose pid has been reused by a running
// process stays until that process ends.
void removeLeftovers(const std::string &path)
{
    namespace fs = std::filesystem;
    const fs::path table(path);
    const fs::path directory = table.has_parent_path() ? table.parent_path() : fs::path(".");
    const std::string prefix = table.filename().string() + ".";
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        const long pid = leftoverPid(it->path().filename().string(), prefix);
        const bool running = pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
        std::error_code ignored; // one that cannot be removed must not stop the sweep
        if (pid > 0 && !running)
            fs::remove(it->path(), ignored);
    }
}

// Makes the rename itself durable.
void syncDirectory(const std::string &path)
{
    const std::filesystem::path table(path);
    const std::string directory = table.has_parent_path() ? table.parent_path().string() : ".";
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
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
    const int place = time == kLongestTime ? cappedPlace(stored, insertionPlace(stored, time))
                                           : insertionPlace(stored, time);
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
    // Written in full and flushed to disk under a temporary name, then
    // renamed over the table: a crash, a kill or a full disk leaves the old
    // table or the new one, never a part of one.
    const std::string temporary = temporaryPath(path, long(::getpid()));
    ::unlink(temporary.c_str());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777); // the table keeps its permissions
    const bool written = writeAll(fd, tableText(lines)) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncDirectory(path);
    removeLeftovers(path);
    return true;
}

} // namespace HighScoreTable
