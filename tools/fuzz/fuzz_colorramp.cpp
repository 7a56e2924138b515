// Fuzzes the colour-ramp reader (tex\<colour>.txt).
#include "tools/fuzz/TextChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string problem = fuzz::checkColorRamp(std::string(reinterpret_cast<const char *>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "colour ramp: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
