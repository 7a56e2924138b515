// Fuzzes the input-script parser of the playtest driver.
#include "tools/fuzz/TextChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string problem = fuzz::checkInputScript(std::string(reinterpret_cast<const char *>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "input script: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
