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
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return ReadResult::Failed;
    // One byte more than allowed tells a file that is too large, even one
    // that grew since it was looked at.
    bytes.resize(maxBytes + 1);
    in.read(&bytes[0], std::streamsize(bytes.size()));
    if (in.bad())
        return ReadResult::Failed;
    bytes.resize(std::size_t(in.gcount()));
    if (bytes.size() > maxBytes) {
        bytes.clear();
        return ReadResult::TooLarge;
    }
    return ReadResult::Read;
}

} // namespace AtomicFile
