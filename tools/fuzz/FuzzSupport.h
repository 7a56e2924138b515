#pragma once
// Helpers shared by the fuzz targets.
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

// A private directory for the files a target must write, made once per
// process in /dev/shm when it exists (no disk traffic), else in /tmp.
inline const std::string &scratchDir()
{
    static const std::string dir = [] {
        for (const char *root : {"/dev/shm", "/tmp"}) {
            std::string pattern = std::string(root) + "/imagelib-fuzz-XXXXXX";
            if (::mkdtemp(pattern.data()) != nullptr)
                return pattern;
        }
        std::abort();
    }();
    return dir;
}

inline bool writeBytes(const std::string &path, const void *data, std::size_t size)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool ok = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && ok;
}

} // namespace fuzz
