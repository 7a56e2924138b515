#include "core/AtomicFile.h"

#include "core/HighScoreTable.h"

#include <filesystem>
#include <fstream>

namespace AtomicFile {

bool replace(const std::string &path, const std::string &bytes)
{
    // The table's writer joins its lines with line ends; a single "line"
    // is written byte for byte, NULs and line ends included.
    return HighScoreTable::writeTable(path, HighScoreTable::Lines{bytes});
}

ReadResult readBounded(const std::string &path, std::size_t maxBytes, std::string &bytes)
{
    namespace fs = std::filesystem;
    bytes.clear();
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (status.type() == fs::file_type::not_found)
        return ReadResult::Missing;
    if (error)
        return ReadResult::Failed;
    if (status.type() != fs::file_type::regular)
        return ReadResult::NotAFile;
    const std::uintmax_t size = fs::file_size(path, error);
    if (error)
        return ReadResult::Failed;
    if (size > maxBytes)
        return ReadResult::TooLarge;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return ReadResult::Failed;
    // A byte more than the file had, to tell one that grows while it is
    // read (another program appending): only its start would be taken.
    bytes.resize(std::size_t(size) + 1);
    in.read(&bytes[0], std::streamsize(bytes.size()));
    const std::size_t read = std::size_t(in.gcount());
    if (in.bad() || read > size) {
        bytes.clear();
        return ReadResult::Failed;
    }
    bytes.resize(read);
    return ReadResult::Read;
}

} // namespace AtomicFile
