// Fuzzes the level-file reader.
#include "tools/fuzz/LevelFileCheck.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string problem = fuzz::checkLevelFile(std::string(reinterpret_cast<const char *>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "level file: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
