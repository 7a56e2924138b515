// Fuzzes the high-score table: reading a file, entering a time and
// nickname, writing the result and reading it back (TextChecks.h has the
// input layout).
#include "FuzzSupport.h"
#include "tools/fuzz/TextChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::string table = fuzz::scratchDir() + "/HighScore.hs";
    const std::string problem =
        fuzz::checkHighScore(std::string(reinterpret_cast<const char *>(data), size), table);
    if (!problem.empty()) {
        std::fprintf(stderr, "high-score table: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
