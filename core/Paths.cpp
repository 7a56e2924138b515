#include "core/Paths.h"

#include "core/HighScoreTable.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
const char *const kTableName = "HighScore.hs";

std::string &dataDirectorySlot()
{
    static std::string directory;
    return directory;
}

std::string &highScoreSlot()
{
    static std::string path = kTableName;
    return path;
}
} // namespace

std::string hostPath(std::string path)
{
    for (char &c : path)
        if (c == '\\')
            c = '/';
    const std::string &directory = dataDirectorySlot();
    if (directory.empty() || (!path.empty() && path[0] == '/'))
        return path;
    return directory + "/" + path;
}

void setDataDirectory(std::string directory) { dataDirectorySlot() = std::move(directory); }

const std::string &dataDirectory() { return dataDirectorySlot(); }

void setHighScoreFile(std::string path) { highScoreSlot() = std::move(path); }

const std::string &highScoreFile() { return highScoreSlot(); }

bool holdsGameFiles(const std::string &directory)
{
    const fs::path root = directory.empty() ? fs::path(".") : fs::path(directory);
    std::error_code error;
    return fs::is_directory(root / "Texturen", error) || fs::is_regular_file(root / "comic.vs", error);
}

FileLocations locateGameFiles(const std::string &requested, const std::vector<std::string> &installed,
                              const std::string &userDirectory)
{
    FileLocations where;
    const std::string userTable = (fs::path(userDirectory) / kTableName).string();
    if (!requested.empty()) {
        if (holdsGameFiles(requested)) {
            where.dataDirectory = requested;
            where.highScoreFile = userTable;
        } else {
            where.problem = "no game files in " + requested;
        }
        return where;
    }
    if (holdsGameFiles("")) {
        where.highScoreFile = kTableName;
        return where;
    }
    for (const std::string &directory : installed)
        if (holdsGameFiles(directory)) {
            where.dataDirectory = directory;
            where.highScoreFile = userTable;
            return where;
        }
    where.problem = "no game files in the working directory";
    for (const std::string &directory : installed)
        where.problem += " nor in " + directory;
    where.problem += "; name them with --data DIR";
    return where;
}

std::string seedHighScoreTable(const std::string &path)
{
    std::error_code error;
    if (fs::exists(path, error))
        return {};
    const fs::path parent = fs::path(path).parent_path();
    if (!parent.empty())
        fs::create_directories(parent, error);
    std::ofstream out(path, std::ios::binary);
    out << HighScoreTable::kEmptyTable;
    out.close();
    if (!out)
        return "cannot write " + path;
    return {};
}
