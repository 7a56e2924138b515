// Fuzzes the MetaImage reader. The input is the header text, a NUL byte
// and the bytes of the raw file "data.raw" beside it (see SeedCorpus.h).
#include "FuzzSupport.h"
#include "tools/fuzz/SeedCorpus.h"

#include <imagebase>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// Enough for every seed and for the fuzzer to vary sizes, small enough to
// keep each run fast.
constexpr std::size_t kFuzzMaxImageBytes = 16u << 20;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const seeds::MetaSeed input = seeds::decodeMeta(data, size);
    const std::string header = fuzz::scratchDir() + "/h.mhd";
    const std::string raw = fuzz::scratchDir() + "/data.raw";
    if (!fuzz::writeBytes(header, input.header.data(), input.header.size()) ||
        !fuzz::writeBytes(raw, input.raw.data(), input.raw.size()))
        return 0;
    std::unique_ptr<VOXA::Image> image(VOXA::loadMetaImage(header.c_str(), kFuzzMaxImageBytes));
    if (!image)
        return 0;
    const long long size4 = 1LL * image->getDim(0) * image->getDim(1) * image->getDim(2) *
                            image->getDim(3) * image->getChannels();
    check(size4 == image->getImageSize() && size4 > 0);
    check(image->getData() != nullptr);
    check(image->getLower(0) <= image->getUpper(0) || image->getType() == VOXA::kTypeFloat ||
          image->getType() == VOXA::kTypeDouble); // NaN data compare false
    // Exercise the value paths over the whole buffer.
    image->setPos(0);
    float value;
    while (image->nextValue(value)) {
    }
    float centre[3];
    image->centreOfMass(centre);
    std::unique_ptr<unsigned char[]> bytes(image->toBytes(nullptr, false));
    return 0;
}
