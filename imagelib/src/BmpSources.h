#pragma once
// The reader's two inputs: a file read through a large stdio buffer, and a
// block of memory (used for in-memory decoding and fuzzing).
#include "BmpFormat.h"

#include <cstdio>
#include <memory>

namespace VOXA {
namespace bmp {

class FileSource : public ByteSource {
public:
    // Opens regular files only; ok() tells whether that worked.
    explicit FileSource(const char *path);
    ~FileSource() override;
    FileSource(const FileSource &) = delete;
    FileSource &operator=(const FileSource &) = delete;

    bool ok() const { return m_file != nullptr; }
    std::uint64_t size() const override { return m_size; }
    bool read(void *dest, std::size_t n) override;
    bool skip(std::uint64_t n) override;

private:
    std::unique_ptr<char[]> m_buffer; // must outlive m_file (closed first)
    std::FILE *m_file = nullptr;
    std::uint64_t m_size = 0;
};

class MemorySource : public ByteSource {
public:
    MemorySource(const unsigned char *bytes, std::size_t size) : m_bytes(bytes), m_size(size) {}
    std::uint64_t size() const override { return m_size; }
    bool read(void *dest, std::size_t n) override;
    bool skip(std::uint64_t n) override;

private:
    const unsigned char *m_bytes;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

} // namespace bmp
} // namespace VOXA
