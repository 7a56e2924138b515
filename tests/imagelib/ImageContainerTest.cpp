// VOXA::Image / ImageBase<T>: addressing, size caps, value conversion, the
// inert answers to out-of-range access, the range and raw files (the
// operations on pictures: ImageOperationsTest).
#include "support/Files.h"

#include <imagebase>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

using VOXA::Image;
using VOXA::ImageBase;

TEST(ImageGeometry, FourDimensionalMultiChannelAddressing)
{
    // Value (c, x, y, z, t) lives at c + 2x + 6y + 18z + 36t.
    ImageBase<short> img;
    ASSERT_EQ(img.init(3, 3, 2, 2, 2), 0);
    for (int i = 0; i < img.getImageSize(); ++i)
        ASSERT_TRUE(img.putNext(float(i)));
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
    // -3.75 as each type stores it: cut towards 0, or saturated at 0.
    const struct {
        unsigned code;
        float stored;
    } types[] = {{VOXA::kTypeChar, -3},  {VOXA::kTypeUnsignedChar, 0}, {VOXA::kTypeShort, -3},
                 {VOXA::kTypeUnsignedShort, 0}, {VOXA::kTypeInt, -3}, {VOXA::kTypeUnsignedInt, 0},
                 {VOXA::kTypeFloat, -3.75f}, {VOXA::kTypeDouble, -3.75f}};
    for (const auto &type : types) {
        SCOPED_TRACE(type.code);
        std::unique_ptr<Image> img(VOXA::createImage(type.code));
        ASSERT_NE(img, nullptr);
        EXPECT_EQ(img->getType(), type.code);
        EXPECT_EQ(VOXA::isUnsignedType(type.code), type.stored == 0);
        ASSERT_EQ(img->init(2, 1, 1, 1, 1), 0);
        img->setValue(-3.75f, 1, 0, 0, 0, 0);
        EXPECT_EQ(img->getValue(1, 0, 0, 0, 0), type.stored);
    }
    for (unsigned bad : {0u, 0x1407u, 0x1409u, 0xFFFFFFFFu})
        EXPECT_EQ(VOXA::createImage(bad), nullptr);
}

TEST(ImageConversion, ValuesSaturateInsteadOfWrapping)
{
    const struct {
        float in, out;
    } rows[] = {{300.0f, 255.0f}, {-5.0f, 0.0f}, {std::nanf(""), 0.0f}, {254.9f, 254.0f}};
    ImageBase<unsigned char> bytes;
    ASSERT_EQ(bytes.init(1, 1, 1, 1, 1), 0);
    for (const auto &row : rows) {
        bytes.setValue(row.in, 0, 0, 0, 0, 0);
        EXPECT_EQ(bytes.getValue(0, 0, 0, 0, 0), row.out) << row.in;
    }
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
    img.setPos(-3);
    EXPECT_FALSE(img.nextValue(v));
    EXPECT_FALSE(img.putNext(1.0f));
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

TEST(ImageRaw, WriteThenReadAndShortFiles)
{
    TempDir tmp;
    ImageBase<int> img;
    ASSERT_EQ(img.init(3, 2, 1, 1, 1), 0);
    for (int i = 0; i < 6; ++i)
        img.putNext(float(i * 1000 - 2500));
    ASSERT_EQ(img.writeRaw(tmp.path("a.raw").c_str()), 0);
    // Into a larger image: the file's values arrive, the rest stays zero.
    ImageBase<int> big;
    ASSERT_EQ(big.init(4, 2, 1, 1, 1), 0);
    EXPECT_EQ(big.readRaw(tmp.path("a.raw").c_str()), 2);
    EXPECT_EQ(big.getTypedData()[5], 2500);
    EXPECT_EQ(big.getTypedData()[7], 0);
    ASSERT_EQ(big.init(3, 2, 1, 1, 1), 0); // the whole image read
    EXPECT_EQ(big.readRaw(tmp.path("a.raw").c_str()), 0);
    EXPECT_EQ(big.readRaw(tmp.path("none.raw").c_str()), 1);
    EXPECT_EQ(big.readRaw("/dev/zero"), 1);
    EXPECT_EQ(img.writeRaw(tmp.path("no/such/dir.raw").c_str()), 1);
}

} // namespace
