// Fuzzes the personal-bests reader: parsing, a record, writing and reading
// back (RecordChecks.h).
#include "tools/fuzz/RecordChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string problem = fuzz::checkBests(std::string(reinterpret_cast<const char *>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "personal bests: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
