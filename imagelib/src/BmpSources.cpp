#include "BmpSources.h"

#include <sys/stat.h>

#include <cstring>

namespace VOXA {
namespace bmp {

namespace {
// Rows are read one at a time; a buffer of many rows keeps that to a few
// system calls per image.
constexpr std::size_t kStreamBufferBytes = 256 * 1024;
// Skips up to this length read through the buffer instead of seeking.
constexpr std::uint64_t kSmallSkipBytes = 64;
} // namespace

FileSource::FileSource(const char *path)
{
    // Devices and FIFOs have no size to validate a header against, and
    // opening a FIFO would block; checked before opening.
    struct stat info;
    if (path == nullptr || ::stat(path, &info) != 0 || !S_ISREG(info.st_mode))
        return;
    m_file = std::fopen(path, "rb");
    if (m_file == nullptr)
        return;
    if (::fstat(fileno(m_file), &info) != 0 || !S_ISREG(info.st_mode)) {
        std::fclose(m_file);
        m_file = nullptr;
        return;
    }
    m_size = std::uint64_t(info.st_size);
    // glibc ignores the size unless the buffer is supplied.
    m_buffer.reset(new char[kStreamBufferBytes]);
    std::setvbuf(m_file, m_buffer.get(), _IOFBF, kStreamBufferBytes);
}

FileSource::~FileSource()
{
    if (m_file != nullptr)
        std::fclose(m_file);
}

bool FileSource::read(void *dest, std::size_t n)
{
    return std::fread(dest, 1, n, m_file) == n;
}

bool FileSource::skip(std::uint64_t n)
{
    if (n <= kSmallSkipBytes) {
        unsigned char scratch[kSmallSkipBytes];
        return read(scratch, std::size_t(n));
    }
    return ::fseeko(m_file, off_t(n), SEEK_CUR) == 0;
}

bool MemorySource::read(void *dest, std::size_t n)
{
    if (n > m_size - m_pos)
        return false;
    if (n > 0)
        std::memcpy(dest, m_bytes + m_pos, n);
    m_pos += n;
    return true;
}

bool MemorySource::skip(std::uint64_t n)
{
    if (n > m_size - m_pos)
        return false;
    m_pos += std::size_t(n);
    return true;
}

} // namespace bmp
} // namespace VOXA
