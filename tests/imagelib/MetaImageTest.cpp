// MetaImage headers and raw files: keys, byte order, reports, the writer,
// and malformed headers.
#include "TempDir.h"
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
        ::testing::internal::CaptureStdout();
        std::unique_ptr<VOXA::Image> image(VOXA::loadMetaImage(tmp.path("h.mhd").c_str()));
        printed = ::testing::internal::GetCapturedStdout();
        return image;
    }

    TempDir tmp;
    std::string printed;
};

TEST_F(MetaImage, LoadsTwoDimensionalBytesAndReports)
{
    auto image = load("NDims = 2\nDimSize = 4 3\nElementSpacing = 0.5 2\n"
                      "ElementType = MET_UCHAR\nElementDataFile = data.raw\n",
                      seeds::rampBytes(12));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->getType(), VOXA::kTypeUnsignedChar);
    EXPECT_EQ(image->getDim(0), 4);
    EXPECT_EQ(image->getDim(1), 3);
    EXPECT_EQ(image->getDim(2), 1);
    EXPECT_EQ(image->getDim(3), 1);
    EXPECT_EQ(image->getChannels(), 1);
    EXPECT_EQ(image->getSpacing(1), 2.0f);
    EXPECT_EQ(image->getValue(3, 2, 0, 0, 0), float(seeds::rampBytes(12)[11]));
    EXPECT_EQ(image->getLower(0), 5.0f);
    EXPECT_EQ(image->getUpper(0), 148.0f);
    const std::string expected = "2 dimensions\n"
                                 "Dimensions 4 x 3 x 1 x 1\n"
                                 "Spacing 0.5 x 2 x 1 x 1\n"
                                 "Data Type 5121\n"
                                 "Loading file " + tmp.dir() + "/data.raw\n"
                                 "Loaded Image, resolution 4 x 3 x 1, min 5, max = 148\n";
    EXPECT_EQ(printed, expected);
}

TEST_F(MetaImage, SpacesInsideKeysCarriageReturnsAndUnknownKeys)
{
    auto image = load("N Dims = 1\r\nDim Size = 3\r\nObjectType = Image\r\n"
                      "Element Type = MET_CHAR \r\nElement Data File = da ta.raw\r\n",
                      Bytes{1, 0xFF, 3});
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->getType(), VOXA::kTypeChar);
    EXPECT_EQ(image->getDim(0), 3);
    EXPECT_EQ(image->getValue(1, 0, 0, 0, 0), -1.0f);
    EXPECT_NE(printed.find("Warning: Unknown keyword \"ObjectType\"\n"), std::string::npos);
}

TEST_F(MetaImage, MostSignificantByteFirstShortsAreSwapped)
{
    const std::string header = "NDims = 2\nDimSize = 2 1\nElementByteOrderMSB = True\n"
                               "ElementType = MET_SHORT\nElementDataFile = data.raw\n";
    auto image = load(header, Bytes{0x01, 0x02, 0xFF, 0xFE});
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->getValue(0, 0, 0, 0, 0), float(0x0102));
    EXPECT_EQ(image->getValue(1, 0, 0, 0, 0), -2.0f);
    EXPECT_NE(printed.find("MSB: 1\n"), std::string::npos);
    EXPECT_EQ(image->getLower(0), -2.0f); // the range of the swapped values
    EXPECT_EQ(image->getUpper(0), float(0x0102));
    // "1" means the same, anything else least-significant first.
    EXPECT_EQ(load("ElementByteOrderMSB = 1\n" + header.substr(0, 0) +
                   "NDims = 1\nDimSize = 1\nElementType = MET_USHORT\nElementDataFile = data.raw\n",
                   Bytes{0x01, 0x02})->getValue(0, 0, 0, 0, 0),
              float(0x0102));
    EXPECT_EQ(load("ElementByteOrderMSB = true\nNDims = 1\nDimSize = 1\n"
                   "ElementType = MET_USHORT\nElementDataFile = data.raw\n",
                   Bytes{0x01, 0x02})->getValue(0, 0, 0, 0, 0),
              float(0x0201));
}

TEST_F(MetaImage, ChannelsFourDimensionsAndHeaderSize)
{
    Bytes raw = {9, 9, 9}; // skipped by HeaderSize
    for (int i = 0; i < 2 * 1 * 1 * 2 * 3; ++i)
        raw.push_back(static_cast<unsigned char>(i));
    auto image = load("NDims = 4\nDimSize = 2 1 1 2\nElementNumberOfChannels = 3\n"
                      "HeaderSize = 3\nElementType = MET_UCHAR\nElementDataFile = data.raw\n",
                      raw);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->getChannels(), 3);
    EXPECT_EQ(image->getFrameSize(), 6);
    EXPECT_EQ(image->getValue(1, 0, 0, 1, 2), 11.0f);
    EXPECT_NE(printed.find("Warning: 3 bytes header\n"), std::string::npos);
    // -1: the data are the last bytes of the file.
    auto tail = load("NDims = 1\nDimSize = 2\nHeaderSize = -1\nElementType = MET_UCHAR\n"
                     "ElementDataFile = data.raw\n",
                     Bytes{1, 2, 3, 4, 5});
    ASSERT_NE(tail, nullptr);
    EXPECT_EQ(tail->getValue(0, 0, 0, 0, 0), 4.0f);
}

TEST_F(MetaImage, MissingOrShortDataLeavesZeros)
{
    auto shortRaw = load("NDims = 1\nDimSize = 4\nElementType = MET_INT\n"
                         "ElementDataFile = data.raw\n",
                         Bytes{7, 0, 0, 0, 8, 0});
    ASSERT_NE(shortRaw, nullptr);
    EXPECT_EQ(shortRaw->getValue(0, 0, 0, 0, 0), 7.0f);
    EXPECT_EQ(shortRaw->getValue(1, 0, 0, 0, 0), 0.0f); // half a value is not kept
    EXPECT_EQ(shortRaw->getValue(3, 0, 0, 0, 0), 0.0f);
    EXPECT_NE(printed.find("Warning: data file holds 1 of 4 values"), std::string::npos);
    EXPECT_EQ(shortRaw->getLower(0), 0.0f); // the zeros count
    EXPECT_EQ(shortRaw->getUpper(0), 7.0f);
    auto missing = load("NDims = 1\nDimSize = 2\nElementType = MET_FLOAT\n"
                        "ElementDataFile = nothing.raw\n");
    ASSERT_NE(missing, nullptr);
    EXPECT_EQ(missing->getValue(1, 0, 0, 0, 0), 0.0f);
}

TEST_F(MetaImage, MalformedHeadersGiveNull)
{
    const char *const refused[] = {
        "ElementDataFile = data.raw\nElementType = MET_UCHAR\n", // data before type
        "NDims = 1\nDimSize = 2\nElementType = MET_COMPLEX\nElementDataFile = data.raw\n",
        "NDims = 0\n",
        "NDims = 5\n",
        "NDims = -1\n",
        "NDims = 2\nDimSize = -4 3\n",
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
    EXPECT_EQ(VOXA::loadMetaImage(tmp.path("absent.mhd").c_str()), nullptr);
    EXPECT_EQ(VOXA::loadMetaImage(nullptr), nullptr);
}

TEST_F(MetaImage, UnknownTypePrintsOneErrorLine)
{
    EXPECT_EQ(load("ElementType = MET_BOOL\n"), nullptr);
    EXPECT_EQ(printed, "Error: Unknown MetaImage data type!\n");
}

TEST_F(MetaImage, CallerLimitRefusesLargeImages)
{
    writeFile(tmp.path("big.mhd"), std::string("NDims = 2\nDimSize = 1024 1024\n"
                                               "ElementType = MET_FLOAT\nElementDataFile = x.raw\n"));
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(VOXA::loadMetaImage(tmp.path("big.mhd").c_str(), 1 << 20), nullptr);
    std::unique_ptr<VOXA::Image> ok(VOXA::loadMetaImage(tmp.path("big.mhd").c_str(), 4 << 20));
    ::testing::internal::GetCapturedStdout();
    EXPECT_NE(ok, nullptr);
}

TEST_F(MetaImage, BmpPathsGoThroughTheBitmapReader)
{
    writeFile(tmp.path("p.bmp"), seeds::bmpPicture(3, 2, 24, false));
    std::unique_ptr<VOXA::Image> image(VOXA::loadMetaImage(tmp.path("p.bmp").c_str()));
    ASSERT_NE(image, nullptr);
    EXPECT_NE(dynamic_cast<VOXA::Bitmap *>(image.get()), nullptr);
    EXPECT_EQ(image->getChannels(), 3);
    EXPECT_GT(image->getUpper(0), image->getLower(0)); // the range was computed
    writeFile(tmp.path("bad.bmp"), std::string("BMnot really"));
    EXPECT_EQ(VOXA::loadMetaImage(tmp.path("bad.bmp").c_str()), nullptr);
    EXPECT_EQ(VOXA::loadMetaImage(tmp.path("none.bmp").c_str()), nullptr);
}

TEST_F(MetaImage, WriterHeaderLinesAndDimensionCount)
{
    struct Case {
        int z, t, channels;
        unsigned type;
        std::string expected;
    };
    const Case cases[] = {
        {1, 1, 1, VOXA::kTypeUnsignedChar,
         "NDims = 2\nDimSize = 64 64\nElementSpacing = 1.000000 0.250000\nPosition = 0 0\n"
         "ElementByteOrderMSB = False\nElementType = MET_UCHAR\nElementDataFile = out.raw\n"},
        {10, 1, 1, VOXA::kTypeShort,
         "NDims = 3\nDimSize = 64 64 10\nElementSpacing = 1.000000 0.250000 1.000000\n"
         "Position = 0 0 0\nElementByteOrderMSB = False\nElementType = MET_SHORT\n"
         "ElementDataFile = out.raw\n"},
        {1, 2, 3, VOXA::kTypeDouble,
         "NDims = 4\nDimSize = 64 64 1 2\nElementSpacing = 1.000000 0.250000 1.000000 1.000000\n"
         "Position = 0 0 0 0\nElementByteOrderMSB = False\nElementNumberOfChannels = 3\n"
         "ElementType = MET_DOUBLE\nElementDataFile = out.raw\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.expected);
        std::unique_ptr<VOXA::Image> image(VOXA::createImage(c.type));
        ASSERT_EQ(image->init(64, 64, c.z, c.t, c.channels), 0);
        image->setSpacing(1.0f, 0.25f, 1.0f, 1.0f);
        image->setValue(3.0f, 63, 63, c.z - 1, c.t - 1, c.channels - 1);
        ASSERT_EQ(VOXA::writeMetaImage(tmp.path("out").c_str(), image.get()), 0);
        EXPECT_EQ(readText(tmp.path("out.mhd")), c.expected);
        EXPECT_EQ(readFile(tmp.path("out.raw")).size(),
                  std::size_t(image->getImageSize()) * VOXA::typeSize(c.type));

        // Read back from another working directory: the data file is
        // found beside its header.
        ::testing::internal::CaptureStdout();
        std::unique_ptr<VOXA::Image> back(VOXA::loadMetaImage(tmp.path("out.mhd").c_str()));
        ::testing::internal::GetCapturedStdout();
        ASSERT_NE(back, nullptr);
        EXPECT_EQ(back->getType(), c.type);
        EXPECT_EQ(back->getChannels(), c.channels);
        EXPECT_EQ(back->getDim(2), c.z);
        EXPECT_EQ(back->getSpacing(1), 0.25f);
        EXPECT_EQ(back->getValue(63, 63, c.z - 1, c.t - 1, c.channels - 1), 3.0f);
    }
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
