// VOXA::Image / ImageBase<T>: geometry, addressing, bookkeeping and the
// value operations.
#include "support/Files.h"

#include <imagebase>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

using VOXA::Image;
using VOXA::ImageBase;

TEST(ImageGeometry, StridesForMultiChannelFourDimensions)
{
    ImageBase<short> img;
    ASSERT_EQ(img.init(4, 3, 2, 1, 3), 0);
    EXPECT_EQ(img.getStride(), 12);
    EXPECT_EQ(img.getSliceSize(), 36);
    EXPECT_EQ(img.getFrameSize(), 72);
    EXPECT_EQ(img.getImageSize(), 72);

    // A 4-D image: value (c, x, y, z, t) at c + 2x + 6y + 18z + 36t.
    ASSERT_EQ(img.init(3, 3, 2, 2, 2), 0);
    for (int i = 0; i < img.getImageSize(); ++i)
        ASSERT_TRUE(img.putNext(float(i)));
    EXPECT_EQ(img.getValue(0, 0, 0, 0, 1), 1.0f);
    EXPECT_EQ(img.getValue(2, 1, 1, 1, 1), float(1 + 4 + 6 + 18 + 36));
    img.setValue(-7.0f, 1, 2, 0, 1, 0);
    EXPECT_EQ(img.getTypedData()[2 + 12 + 36], -7);
}

TEST(ImageGeometry, InitRefusesNegativeAndOversizedAndStaysEmpty)
{
    ImageBase<double> img;
    ASSERT_EQ(img.init(2, 2, 1, 1, 1), 0);
    EXPECT_EQ(img.init(-1, 2, 1, 1, 1), -1);
    EXPECT_EQ(img.getImageSize(), 0);
    EXPECT_EQ(img.getData(), nullptr);
    // 2^27 doubles is exactly the 1 GiB cap; one more is refused, and a
    // product that wraps 32 bits must not slip through.
    EXPECT_EQ(img.init(1 << 14, 1 << 13, 1, 1, 2), -1);
    EXPECT_EQ(img.init(65536, 65536, 1, 1, 1), -1);
    EXPECT_EQ(img.init(INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX), -1);
    EXPECT_EQ(img.getDim(0), 0);
    ASSERT_EQ(img.init(0, 5, 1, 1, 1), 0); // empty but valid
    EXPECT_EQ(img.getData(), nullptr);
}

TEST(ImageFactory, EveryTypeCodeAndNothingElse)
{
    const unsigned codes[] = {VOXA::kTypeChar,  VOXA::kTypeUnsignedChar, VOXA::kTypeShort,
                              VOXA::kTypeUnsignedShort, VOXA::kTypeInt, VOXA::kTypeUnsignedInt,
                              VOXA::kTypeFloat, VOXA::kTypeDouble};
    for (unsigned code : codes) {
        std::unique_ptr<Image> img(VOXA::createImage(code));
        ASSERT_NE(img, nullptr);
        EXPECT_EQ(img->getType(), code);
        EXPECT_EQ(VOXA::isUnsignedType(code), code == 0x1401 || code == 0x1403 || code == 0x1405);
        // Every type stores and returns a small value the same way.
        ASSERT_EQ(img->init(2, 1, 1, 1, 1), 0);
        img->setValue(-3.75f, 1, 0, 0, 0, 0);
        const float expected = code == VOXA::kTypeFloat || code == VOXA::kTypeDouble ? -3.75f
                               : VOXA::isUnsignedType(code)                          ? 0.0f
                                                                                     : -3.0f;
        EXPECT_EQ(img->getValue(1, 0, 0, 0, 0), expected) << std::hex << code;
    }
    for (unsigned bad : {0u, 0x1407u, 0x1409u, 0xFFFFFFFFu})
        EXPECT_EQ(VOXA::createImage(bad), nullptr);
}

TEST(ImageConversion, ValuesSaturateInsteadOfWrapping)
{
    ImageBase<unsigned char> bytes;
    ASSERT_EQ(bytes.init(4, 1, 1, 1, 1), 0);
    bytes.setValue(300.0f, 0, 0, 0, 0, 0);
    bytes.setValue(-5.0f, 1, 0, 0, 0, 0);
    bytes.setValue(std::numeric_limits<float>::quiet_NaN(), 2, 0, 0, 0, 0);
    bytes.setValue(254.9f, 3, 0, 0, 0, 0);
    EXPECT_EQ(bytes.getValue(0, 0, 0, 0, 0), 255.0f);
    EXPECT_EQ(bytes.getValue(1, 0, 0, 0, 0), 0.0f);
    EXPECT_EQ(bytes.getValue(2, 0, 0, 0, 0), 0.0f);
    EXPECT_EQ(bytes.getValue(3, 0, 0, 0, 0), 254.0f);
    ImageBase<int> ints;
    ASSERT_EQ(ints.init(1, 1, 1, 1, 1), 0);
    ints.setValue(3e9f, 0, 0, 0, 0, 0);
    EXPECT_EQ(ints.getTypedData()[0], std::numeric_limits<int>::max());
}

TEST(ImageAccess, OutOfRangeIsInertAndReadsZero)
{
    ImageBase<float> img;
    ASSERT_EQ(img.init(2, 2, 1, 1, 2), 0);
    img.setValue(5.0f, 2, 0, 0, 0, 0); // x == width
    img.setValue(5.0f, 0, 0, 0, 0, 2); // channel == channels
    img.setValue(5.0f, -1, 1, 0, 0, 0);
    for (int i = 0; i < img.getImageSize(); ++i)
        EXPECT_EQ(img.getTypedData()[i], 0.0f);
    EXPECT_EQ(img.getValue(0, 2, 0, 0, 0), 0.0f);
    EXPECT_EQ(img.getValue(std::nanf(""), 0.0f, 0.0f), 0.0f);
    img.setValue(4.0f, 1, 1, 0, 0, 1);
    float pixel[2] = {-1, -1};
    img.getPixel(pixel, 1.9f, 1.2f, 0.0f); // coordinates are cut
    EXPECT_EQ(pixel[0], 0.0f);
    EXPECT_EQ(pixel[1], 4.0f);
    // So are ranges of missing channels.
    img.setRange(10.0f, 30.0f, 0);
    img.setRange(1.0f, 2.0f, 2);
    img.setRange(1.0f, 2.0f, -1);
    EXPECT_EQ(img.getLower(2), 0.0f);
    EXPECT_EQ(img.getLower(0), 10.0f);
}

TEST(ImageSequential, StopsAtTheEndAndSetCurrentNeedsAPreviousValue)
{
    ImageBase<unsigned short> img;
    ASSERT_EQ(img.init(5, 1, 1, 1, 1), 0);
    img.setCurrent(9.0f); // nothing read yet: must not write before the buffer
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(img.putNext(float(10 + i)));
    EXPECT_FALSE(img.putNext(99.0f));
    img.setCurrent(42.0f); // the last value written
    img.setPos(0);
    float v = 0.0f;
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(img.nextValue(v));
        EXPECT_EQ(v, i == 4 ? 42.0f : float(10 + i));
    }
    EXPECT_FALSE(img.nextValue(v));
    EXPECT_FALSE(img.nextValue(v));
    img.setPos(-3);
    EXPECT_FALSE(img.nextValue(v));
    EXPECT_FALSE(img.putNext(1.0f));
}

TEST(ImageWindowLevel, InvertUsesEachChannelsRange)
{
    ImageBase<unsigned char> img;
    ASSERT_EQ(img.init(2, 1, 1, 1, 2), 0);
    img.setRange(0, 255, 0);
    img.setRange(10, 20, 1);
    const unsigned char in[] = {0, 12, 200, 20};
    for (unsigned char v : in)
        img.putNext(v);
    img.invert();
    const unsigned char *d = img.getTypedData();
    EXPECT_EQ(d[0], 255);
    EXPECT_EQ(d[1], 18);
    EXPECT_EQ(d[2], 55);
    EXPECT_EQ(d[3], 10);
}

TEST(ImageWindowLevel, ApplyClampsShiftsAndUpdatesTheRange)
{
    ImageBase<short> img;
    img.setVerbose(0);
    ASSERT_EQ(img.init(4, 1, 1, 1, 1), 0);
    for (float v : {-100.0f, 50.0f, 120.0f, 900.0f})
        img.putNext(v);
    img.setWindowLevel(100.0f, 100.0f, 0); // [50, 150]
    img.applyWindowLevel(false);
    EXPECT_EQ(img.getValue(0, 0, 0, 0, 0), 0.0f);
    EXPECT_EQ(img.getValue(2, 0, 0, 0, 0), 70.0f);
    EXPECT_EQ(img.getValue(3, 0, 0, 0, 0), 100.0f);
    EXPECT_EQ(img.getUpper(0), 100.0f);
    img.setRange(0.0f, 100.0f, 0);
    img.applyWindowLevel(true);
    EXPECT_EQ(img.getValue(2, 0, 0, 0, 0), 30.0f);
    // An inverted window (upper < lower) must not be undefined behaviour.
    img.setRange(10.0f, 5.0f, 0);
    img.applyWindowLevel(false);
}

TEST(ImageValues, RangeSwapAndFlip)
{
    ImageBase<short> img;
    ASSERT_EQ(img.init(3, 2, 1, 1, 1), 0);
    const short in[] = {0x0102, -5, 300, 7, 8, 9};
    for (short v : in)
        img.putNext(v);
    img.computeRange();
    EXPECT_EQ(img.getLower(0), -5.0f);
    EXPECT_EQ(img.getUpper(0), 300.0f);
    img.swapByteOrder();
    EXPECT_EQ(img.getTypedData()[0], 0x0201);
    img.swapByteOrder();
    img.flip(true, false, false, false);
    EXPECT_EQ(img.getValue(0, 0, 0, 0, 0), 300.0f);
    EXPECT_EQ(img.getValue(1, 0, 0, 0, 0), -5.0f);
    img.flip(false, true, false, false);
    EXPECT_EQ(img.getValue(0, 0, 0, 0, 0), 9.0f);

    // Eight-byte values are reversed too (a big-endian double file).
    ImageBase<double> d;
    ASSERT_EQ(d.init(1, 1, 1, 1, 1), 0);
    d.putNext(1.5f);
    d.swapByteOrder();
    d.swapByteOrder();
    EXPECT_EQ(d.getTypedData()[0], 1.5);
    d.swapByteOrder();
    EXPECT_NE(d.getTypedData()[0], 1.5);

    // Flipping frames moves each pixel's channels together.
    ImageBase<int> frames;
    ASSERT_EQ(frames.init(1, 1, 1, 3, 2), 0);
    for (int i = 0; i < 6; ++i)
        frames.putNext(float(i));
    frames.flip(false, false, false, true);
    const int expected[] = {4, 5, 2, 3, 0, 1};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(frames.getTypedData()[i], expected[i]);
}

TEST(ImageValues, RangeFindsExtremesInEveryLaneAndTheTail)
{
    // Lengths around the vector widths, extremes placed in each position.
    for (int n : {2, 7, 8, 9, 16, 17, 33, 1001}) {
        for (int at = 0; at < n; at += (n > 40 ? 97 : 1)) {
            if (at == n - 1 - at)
                continue; // the maximum would overwrite the minimum
            ImageBase<short> img;
            ASSERT_EQ(img.init(n, 1, 1, 1, 1), 0);
            for (int i = 0; i < n; ++i)
                img.putNext(float(i % 5));
            img.setValue(-9.0f, at, 0, 0, 0, 0);
            img.setValue(99.0f, n - 1 - at, 0, 0, 0, 0);
            img.computeRange();
            ASSERT_EQ(img.getLower(0), -9.0f) << n << " " << at;
            ASSERT_EQ(img.getUpper(0), 99.0f) << n << " " << at;
        }
    }
    // NaN is skipped unless it comes first, as with std::minmax_element.
    ImageBase<float> f;
    ASSERT_EQ(f.init(20, 1, 1, 1, 1), 0);
    for (int i = 0; i < 20; ++i)
        f.putNext(i == 3 ? std::nanf("") : float(i));
    f.computeRange();
    EXPECT_EQ(f.getLower(0), 0.0f);
    EXPECT_EQ(f.getUpper(0), 19.0f);
    f.setValue(std::nanf(""), 0, 0, 0, 0, 0);
    f.computeRange();
    EXPECT_TRUE(std::isnan(f.getLower(0)));
}

TEST(ImageSampling, LinearAndCubicInsideAndClampedAtTheBorder)
{
    ImageBase<float> img;
    ASSERT_EQ(img.init(4, 4, 1, 1, 1), 0);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            img.setValue(float(2 * x + 10 * y), x, y, 0, 0, 0);
    // A linear ramp is reproduced exactly by both interpolations inside.
    EXPECT_FLOAT_EQ(img.sampleLinear(1.5f, 1.25f, 0.0f), 3.0f + 12.5f);
    EXPECT_FLOAT_EQ(img.sampleCubic(1.5f, 1.5f, 0.0f), 3.0f + 15.0f);
    // Grid points are hit exactly; z of a single slice is harmless.
    EXPECT_FLOAT_EQ(img.sampleCubic(2.0f, 1.0f, 0.7f), 14.0f);
    // Beyond the last point the edge value holds; NaN clamps to the start.
    EXPECT_FLOAT_EQ(img.sampleLinear(3.0f, 3.0f, 0.0f), 36.0f);
    EXPECT_FLOAT_EQ(img.sampleLinear(9.0f, -4.0f, 0.0f), 6.0f);
    EXPECT_FLOAT_EQ(img.sampleLinear(std::nanf(""), 0.0f, 0.0f), 0.0f);
    float out[1];
    img.sampleCubic(out, 3.9f, 3.9f, 0.0f);
    EXPECT_TRUE(std::isfinite(out[0]));
}

TEST(ImageExport, BytesThroughTheWindowWithPowerOfTwoPadding)
{
    ImageBase<short> img;
    ASSERT_EQ(img.init(3, 1, 1, 1, 1), 0);
    for (float v : {-10.0f, 45.0f, 500.0f})
        img.putNext(v);
    img.setRange(0.0f, 100.0f, 0);
    ASSERT_EQ(img.bufferSize(true), 4u);
    std::unique_ptr<unsigned char[]> bytes(img.toBytes(nullptr, true));
    EXPECT_EQ(bytes[0], 0);   // below the window
    EXPECT_EQ(bytes[1], 114); // 45 * 255 / 100, truncated
    EXPECT_EQ(bytes[2], 255); // above the window
    EXPECT_EQ(bytes[3], 0);   // padding
    std::unique_ptr<unsigned short[]> words(img.toWords(nullptr, false));
    EXPECT_EQ(words[1], 29490);
    // An empty window is a threshold rather than a division by zero.
    img.setRange(45.0f, 45.0f, 0);
    std::unique_ptr<unsigned char[]> slice(img.sliceToBytes(nullptr, 0, 0, false));
    EXPECT_EQ(slice[0], 0);
    EXPECT_EQ(slice[2], 255);
    EXPECT_EQ(img.sliceToBytes(nullptr, 1, 0, false), nullptr);
}

TEST(ImageExport, CentreOfMassWeightsAboveTheLowerBound)
{
    ImageBase<float> img;
    ASSERT_EQ(img.init(3, 1, 1, 1, 1), 0);
    for (float v : {1.0f, 1.0f, 4.0f})
        img.putNext(v);
    img.setRange(1.0f, 4.0f, 0);
    float c[3];
    img.centreOfMass(c);
    EXPECT_FLOAT_EQ(c[0], 2.0f);
    img.setRange(10.0f, 20.0f, 0); // every weight 0: the grid centre
    img.centreOfMass(c);
    EXPECT_FLOAT_EQ(c[0], 1.0f);
}

TEST(ImageRaw, WriteThenReadAndShortFiles)
{
    TempDir tmp;
    ImageBase<int> img;
    ASSERT_EQ(img.init(3, 2, 1, 1, 1), 0);
    for (int i = 0; i < 6; ++i)
        img.putNext(float(i * 1000 - 2500));
    ASSERT_EQ(img.writeRaw(tmp.path("a.raw").c_str()), 0);
    ImageBase<int> back;
    ASSERT_EQ(back.init(3, 2, 1, 1, 1), 0);
    ASSERT_EQ(back.readRaw(tmp.path("a.raw").c_str()), 0);
    EXPECT_EQ(back.getValue(2, 1, 0, 0, 0), 2500.0f);
    // A larger image: the file's values arrive, the rest stays zero.
    ImageBase<int> big;
    ASSERT_EQ(big.init(4, 2, 1, 1, 1), 0);
    EXPECT_EQ(big.readRaw(tmp.path("a.raw").c_str()), 2);
    EXPECT_EQ(big.getTypedData()[5], 2500);
    EXPECT_EQ(big.getTypedData()[7], 0);
    EXPECT_EQ(big.readRaw(tmp.path("none.raw").c_str()), 1);
    EXPECT_EQ(big.readRaw(tmp.dir().c_str()), 1);
    EXPECT_EQ(big.readRaw("/dev/zero"), 1);
    EXPECT_EQ(img.writeRaw(tmp.path("no/such/dir.raw").c_str()), 1);
}

TEST(ImageTransform, DownsampleResliceAndPowerOfTwo)
{
    ImageBase<float> img;
    img.setVerbose(0);
    ASSERT_EQ(img.init(4, 2, 3, 1, 1), 0);
    for (int i = 0; i < img.getImageSize(); ++i)
        img.putNext(float(i));
    img.setSpacing(1.0f, 2.0f, 3.0f, 1.0f);

    ImageBase<float> coronal;
    coronal.setVerbose(0);
    ASSERT_EQ(coronal.init(4, 2, 3, 1, 1), 0);
    std::copy(img.getTypedData(), img.getTypedData() + 24, coronal.getTypedData());
    coronal.setSpacing(1.0f, 2.0f, 3.0f, 1.0f);
    coronal.reslice(1);
    EXPECT_EQ(coronal.getDim(1), 3);
    EXPECT_EQ(coronal.getDim(2), 2);
    EXPECT_EQ(coronal.getSpacing(1), 3.0f);
    // New (x, y, z) is old (x, z = 2 - y, y).
    EXPECT_EQ(coronal.getValue(1, 0, 1, 0, 0), img.getValue(1, 1, 2, 0, 0));

    img.downsample(2, 2, 1);
    EXPECT_EQ(img.getDim(0), 2);
    EXPECT_EQ(img.getDim(1), 1);
    EXPECT_EQ(img.getDim(2), 3);
    EXPECT_FLOAT_EQ(img.getValue(0, 0, 0, 0, 0), (0 + 1 + 4 + 5) / 4.0f);
    EXPECT_FLOAT_EQ(img.getSpacing(0), 2.0f);

    ImageBase<unsigned char> odd;
    odd.setVerbose(0);
    ASSERT_EQ(odd.init(3, 5, 1, 1, 2), 0);
    odd.scaleToPowerOfTwo();
    EXPECT_EQ(odd.getDim(0), 4);
    EXPECT_EQ(odd.getDim(1), 8);
    EXPECT_EQ(odd.getChannels(), 2);
}

} // namespace
