// Fuzzes the ghost-file reader, each input as it is and with its checksum
// made right (RecordChecks.h).
#include "tools/fuzz/RecordChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string problem = fuzz::checkGhost(std::string(reinterpret_cast<const char *>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "ghost: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
