// Replays the fuzz seed corpus through both readers, plus every truncation
// and a sweep of header byte mutations of each BMP seed: a deterministic
// miniature of the fuzz runs that the sanitizer build checks on every test
// run.
#include "support/Files.h"
#include "tools/fuzz/SeedCorpus.h"

#include <imagebase>

#include <gtest/gtest.h>

#include <memory>

namespace {

using seeds::Bytes;

// Reads `file` from memory; when accepted, the picture must be
// self-consistent and every byte readable.
int readChecked(const Bytes &file)
{
    VOXA::Bitmap bmp;
    const int result = bmp.readFromMemory(file.data(), file.size());
    if (result == 1) {
        EXPECT_EQ(bmp.getImageSize(), bmp.getDim(0) * bmp.getDim(1) * bmp.getChannels());
        unsigned sum = 0;
        for (int i = 0; i < bmp.getImageSize(); ++i)
            sum += bmp.getTypedData()[i];
        (void)sum;
    } else {
        EXPECT_EQ(bmp.getTypedData(), nullptr);
    }
    return result;
}

TEST(SeedReplay, EveryTruncationOfABmpSeedIsRefusedCleanly)
{
    for (const auto &[name, bytes] : seeds::bmpSeeds()) {
        SCOPED_TRACE(name);
        // Cutting into the pixels of the last row must refuse; cutting
        // only its padding may not.
        for (std::size_t length = 0; length + 4 <= bytes.size(); ++length)
            EXPECT_EQ(readChecked(Bytes(bytes.begin(), bytes.begin() + length)), -1) << length;
    }
}

TEST(SeedReplay, HeaderByteMutationsNeverMisbehave)
{
    const unsigned char values[] = {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF};
    for (const auto &[name, bytes] : seeds::bmpSeeds()) {
        SCOPED_TRACE(name);
        for (std::size_t at = 0; at < 54; ++at)
            for (unsigned char v : values) {
                Bytes mutated = bytes;
                mutated[at] = v;
                readChecked(mutated);
            }
    }
}

TEST(SeedReplay, MetaImageSeedsAndTheirTruncatedHeaders)
{
    TempDir tmp;
    for (const auto &[name, seed] : seeds::metaSeeds()) {
        SCOPED_TRACE(name);
        writeFile(tmp.path("data.raw"), seed.raw);
        const bool regression = name.rfind("regression", 0) == 0;
        for (std::size_t length = seed.header.size() + 1; length-- > 0;) {
            writeFile(tmp.path("h.mhd"), seed.header.substr(0, length));
            ::testing::internal::CaptureStdout();
            std::unique_ptr<VOXA::Image> image(
                VOXA::loadMetaImage(tmp.path("h.mhd").c_str(), 1 << 20));
            ::testing::internal::GetCapturedStdout();
            if (length == seed.header.size()) {
                EXPECT_EQ(image != nullptr, !regression);
            }
            if (image) {
                EXPECT_NE(image->getData(), nullptr);
                EXPECT_GT(image->getImageSize(), 0);
            }
        }
    }
}

} // namespace
