// MetaImage headers and raw files: keys, byte order, the writer, and
// malformed headers (.bmp paths given to the loader: imagelib_tool.sh).
#include "support/Files.h"
#include "tools/fuzz/SeedCorpus.h"

#include <imagebase>

#include <gtest/gtest.h>

#include <memory>

namespace {

using seeds::Bytes;

class MetaImage : public ::testing::Test {
protected:
    // Writes the header as h.mhd and `raw` as data.raw, then loads it while
    // capturing what the loader prints.
    std::unique_ptr<VOXA::Image> load(const std::string &header, const Bytes &raw = Bytes())
    {
        writeFile(tmp.path("h.mhd"), header);
        writeFile(tmp.path("data.raw"), raw);
        return loadFile("h.mhd");
    }

    // Loads with the caller's byte limit, or the library's own when 0.
    std::unique_ptr<VOXA::Image> loadFile(const std::string &name, std::size_t limit = 0)
    {
        const std::string path = tmp.path(name);
        ::testing::internal::CaptureStdout();
        std::unique_ptr<VOXA::Image> image(limit ? VOXA::loadMetaImage(path.c_str(), limit)
                                                 : VOXA::loadMetaImage(path.c_str()));
        printed = ::testing::internal::GetCapturedStdout();
        return image;
    }

    TempDir tmp;
    std::string printed;
};

struct LoadRow {
    const char *name;
    std::string header;
    Bytes raw;
    int x, y, t, c; // the probed value, z = 0
    float value, lower, upper;
    const char *printed; // a line the loader prints, or ""
};

TEST_F(MetaImage, LoadsWhatTheHeaderDescribes)
{
    const std::string data = "ElementDataFile = data.raw\n";
    const std::string shortMsb = "NDims = 2\nDimSize = 2 1\nElementType = MET_SHORT\n" + data;
    const std::string ushort = "NDims = 1\nDimSize = 1\nElementType = MET_USHORT\n" + data;
    Bytes channels = {9, 9, 9}; // skipped by HeaderSize
    for (int i = 0; i < 2 * 2 * 3; ++i)
        channels.push_back(static_cast<unsigned char>(i));
    const LoadRow rows[] = {
        {"two dimensions of bytes",
         "NDims = 2\nDimSize = 4 3\nElementSpacing = 0.5 2\nElementType = MET_UCHAR\n" + data,
         seeds::rampBytes(12), 3, 2, 0, 0, float(seeds::rampBytes(12)[11]), 5, 148,
         "resolution 4 x 3 x 1"},
        {"spaces inside keys, CR LF, an unknown key",
         "N Dims = 1\r\nDim Size = 3\r\nObjectType = Image\r\nElement Type = MET_CHAR \r\n"
         "Element Data File = da ta.raw\r\n",
         {1, 0xFF, 3}, 1, 0, 0, 0, -1, -1, 3, "Warning: Unknown keyword \"ObjectType\"\n"},
        {"MSB True swaps, the range too", "ElementByteOrderMSB = True\n" + shortMsb,
         {0x01, 0x02, 0xFF, 0xFE}, 0, 0, 0, 0, 0x0102, -2, 0x0102, "MSB: 1\n"},
        {"MSB 1 swaps", "ElementByteOrderMSB = 1\n" + ushort, {0x01, 0x02}, 0, 0, 0, 0, 0x0102, 0x0102, 0x0102, ""},
        {"MSB true does not", "ElementByteOrderMSB = true\n" + ushort, {0x01, 0x02}, 0, 0, 0, 0, 0x0201, 0x0201, 0x0201, ""},
        {"channels, four dimensions, header size",
         "NDims = 4\nDimSize = 2 1 1 2\nElementNumberOfChannels = 3\nHeaderSize = 3\nElementType = MET_UCHAR\n" + data,
         channels, 1, 0, 1, 2, 11, 0, 11, "Warning: 3 bytes header\n"},
        {"header size -1 takes the file's tail",
         "NDims = 1\nDimSize = 2\nHeaderSize = -1\nElementType = MET_UCHAR\n" + data,
         {1, 2, 3, 4, 5}, 0, 0, 0, 0, 4, 4, 5, ""},
        {"short data: half a value is not kept, zeros count",
         "NDims = 1\nDimSize = 4\nElementType = MET_INT\n" + data,
         {7, 0, 0, 0, 8, 0}, 1, 0, 0, 0, 0, 0, 7, "Warning: data file holds 1 of 4 values"},
        {"missing data file", "NDims = 1\nDimSize = 2\nElementType = MET_FLOAT\nElementDataFile = nothing.raw\n",
         {}, 1, 0, 0, 0, 0, 0, 0, ""},
    };
    for (const LoadRow &row : rows) {
        SCOPED_TRACE(row.name);
        auto image = load(row.header, row.raw);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->getValue(row.x, row.y, 0, row.t, row.c), row.value);
        EXPECT_EQ(image->getLower(0), row.lower);
        EXPECT_EQ(image->getUpper(0), row.upper);
        EXPECT_NE(printed.find(row.printed), std::string::npos) << printed;
    }
}

TEST_F(MetaImage, MalformedHeadersGiveNull)
{
    const char *const refused[] = {
        "ElementDataFile = data.raw\nElementType = MET_UCHAR\n", // data before type
        "NDims = 1\nDimSize = 2\nElementType = MET_COMPLEX\nElementDataFile = data.raw\n",
        "NDims = 0\n",
        "NDims = 5\n",
        "NDims = 2\nDimSize = 0 3\n",
        "NDims = 2\nDimSize = 4\n", // fewer sizes than dimensions
        "NDims = 2\nDimSize = 99999999999 1\n",
        "NDims = 1\nDimSize = x\n",
        "NDims = 2\nElementSpacing = 1 abc\n",
        "ElementNumberOfChannels = 0\n",
        "HeaderSize = -7\n",
        // 2^15 x 2^15 x 2^4 doubles: far beyond the cap, must not allocate.
        "NDims = 3\nDimSize = 32768 32768 16\nElementType = MET_DOUBLE\nElementDataFile = data.raw\n",
        "NDims = 4\nDimSize = 65536 65536 65536 65536\nElementType = MET_UCHAR\n"
        "ElementDataFile = data.raw\n",
        "NDims = 1\nDimSize = 2\nElementType = MET_UCHAR\n", // no data file
        // A second type after the data: the new image has none.
        "NDims = 1\nDimSize = 2\nElementType = MET_UCHAR\nElementDataFile = data.raw\n"
        "ElementType = MET_DOUBLE\n",
        "",
    };
    for (const char *header : refused) {
        SCOPED_TRACE(header);
        EXPECT_EQ(load(header, Bytes{1, 2}), nullptr);
    }
    EXPECT_NE(printed.find("Error"), std::string::npos);
    EXPECT_EQ(loadFile("absent.mhd"), nullptr);
    EXPECT_EQ(VOXA::loadMetaImage(nullptr), nullptr);
}

TEST_F(MetaImage, CallerLimitRefusesLargeImages)
{
    // 4 MiB of floats: refused under a 1 MiB limit, read under 4 MiB.
    writeFile(tmp.path("big.mhd"), std::string("NDims = 2\nDimSize = 1024 1024\nElementType = MET_FLOAT\n"
                                               "ElementDataFile = data.raw\n"));
    EXPECT_EQ(loadFile("big.mhd", 1 << 20), nullptr);
    EXPECT_NE(loadFile("big.mhd", 4 << 20), nullptr);
}

// Trailing sizes of 1 are left out of the header; the data file is found
// beside its header whatever the working directory.
TEST_F(MetaImage, WriterCountsDimensionsAndReadsBack)
{
    const struct {
        int z, t, channels;
        unsigned type;
        int dims;
    } cases[] = {{1, 1, 1, VOXA::kTypeUnsignedChar, 2}, {10, 1, 1, VOXA::kTypeShort, 3}, {1, 2, 3, VOXA::kTypeDouble, 4}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.dims);
        std::unique_ptr<VOXA::Image> image(VOXA::createImage(c.type));
        ASSERT_EQ(image->init(64, 64, c.z, c.t, c.channels), 0);
        image->setSpacing(1.0f, 0.25f, 1.0f, 1.0f);
        image->setValue(3.0f, 63, 63, c.z - 1, c.t - 1, c.channels - 1);
        ASSERT_EQ(VOXA::writeMetaImage(tmp.path("out").c_str(), image.get()), 0);
        EXPECT_EQ(readText(tmp.path("out.mhd")).rfind("NDims = " + std::to_string(c.dims) + "\n", 0), 0u);
        auto back = loadFile("out.mhd");
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->getType(), c.type);
        EXPECT_EQ(back->getChannels(), c.channels);
        EXPECT_EQ(back->getDim(2), c.z);
        EXPECT_EQ(back->getSpacing(1), 0.25f);
        EXPECT_EQ(back->getValue(63, 63, c.z - 1, c.t - 1, c.channels - 1), 3.0f);
    }
    // Every line of the fullest header, as other MetaImage readers expect it.
    EXPECT_EQ(readText(tmp.path("out.mhd")),
              "NDims = 4\nDimSize = 64 64 1 2\nElementSpacing = 1.000000 0.250000 1.000000 1.000000\n"
              "Position = 0 0 0 0\nElementByteOrderMSB = False\nElementNumberOfChannels = 3\n"
              "ElementType = MET_DOUBLE\nElementDataFile = out.raw\n");
}

TEST_F(MetaImage, WriterRefusesEmptyImagesAndBadPaths)
{
    VOXA::ImageBase<float> empty;
    EXPECT_EQ(VOXA::writeMetaImage(tmp.path("e").c_str(), &empty), 1);
    EXPECT_EQ(VOXA::writeMetaImage(tmp.path("e").c_str(), nullptr), 1);
    VOXA::ImageBase<float> one;
    ASSERT_EQ(one.init(1, 1, 1, 1, 1), 0);
    EXPECT_EQ(VOXA::writeMetaImage(tmp.path("no/dir/e").c_str(), &one), 1);
}

} // namespace
