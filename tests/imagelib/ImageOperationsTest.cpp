// The image operations: one row each on a tiny picture whose answer is
// known, plus the refusals. Rows that check no value are there for the
// sanitizer build (an access outside the buffer or undefined arithmetic).
#include <imagebase>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace {

using VOXA::Image;
using VOXA::ImageBase;
using Values = std::vector<float>;

template <class T>
std::unique_ptr<ImageBase<T>> filled(int w, int h, int d, int t, int c, const Values &values)
{
    auto img = std::make_unique<ImageBase<T>>();
    img->setVerbose(0);
    EXPECT_EQ(img->init(w, h, d, t, c), 0);
    for (float v : values)
        img->putNext(v);
    return img;
}

// 3x + 5y + 7z on a float image.
std::unique_ptr<ImageBase<float>> ramp(int width, int height, int depth = 1)
{
    auto img = filled<float>(width, height, depth, 1, 1, {});
    for (int z = 0; z < depth; ++z)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                img->setValue(float(3 * x + 5 * y + 7 * z), x, y, z, 0, 0);
    return img;
}

// The counting values 0, 1, 2, ... on a float image.
std::unique_ptr<ImageBase<float>> counting(int w, int h, int d)
{
    auto img = filled<float>(w, h, d, 1, 1, {});
    for (int i = 0; i < img->getImageSize(); ++i)
        img->getTypedData()[i] = float(i);
    img->setSpacing(1.0f, 2.0f, 3.0f, 1.0f);
    return img;
}

float at(const Image &img, int x, int y = 0, int z = 0, int c = 0) { return img.getValue(x, y, z, 0, c); }

struct Row {
    const char *name;
    std::function<Values()> run;
    Values expected;
};

const Row kRows[] = {
    {"invert within each channel's range", [] {
         auto img = filled<unsigned char>(2, 1, 1, 1, 2, {0, 12, 200, 20});
         img->setRange(0, 255, 0);
         img->setRange(10, 20, 1);
         img->invert();
         return Values(img->getTypedData(), img->getTypedData() + 4);
     }, {255, 18, 55, 10}},
    // Window [50, 150]: clamped, shifted to 0, the range updated; then
    // inverted; then upper below lower, which must not be undefined.
    {"window", [] {
         auto img = filled<short>(4, 1, 1, 1, 1, {-100, 50, 120, 900});
         img->setWindowLevel(100.0f, 100.0f, 0);
         img->applyWindowLevel(false);
         Values out{at(*img, 0), at(*img, 2), at(*img, 3), img->getUpper(0)};
         img->applyWindowLevel(true);
         out.push_back(at(*img, 2));
         img->setRange(10.0f, 5.0f, 0);
         img->applyWindowLevel(false);
         return out;
     }, {0, 70, 100, 100, 30}},
    {"swap reverses eight-byte values (a big-endian double file)", [] {
         auto img = filled<double>(1, 1, 1, 1, 1, {1.5f});
         img->swapByteOrder();
         const bool changed = img->getTypedData()[0] != 1.5;
         img->swapByteOrder();
         return Values{float(changed), float(img->getTypedData()[0])};
     }, {1, 1.5f}},
    // Value c + 2x + 6y + 12t; each pixel's two channels move together.
    {"flip x, y and frames", [] {
         auto img = filled<int>(3, 2, 1, 2, 2, {});
         for (int i = 0; i < 24; ++i)
             img->getTypedData()[i] = i;
         img->flip(true, true, false, true);
         return Values{at(*img, 0, 0, 0, 0), at(*img, 0, 0, 0, 1), at(*img, 1, 1, 0, 0), at(*img, 2, 0, 0, 1)};
     }, {22, 23, 14, 19}},
    // Both interpolations reproduce a linear ramp inside (z of a single
    // slice is harmless); beyond the edge its value holds, NaN clamps to 0.
    {"sampling", [] {
         auto img = ramp(4, 4);
         float cubic = 0.0f;
         img->sampleCubic(&cubic, 3.9f, 3.9f, 0.0f);
         return Values{img->sampleLinear(1.5f, 1.25f, 0.0f), img->sampleCubic(1.5f, 1.5f, 0.0f),
                       img->sampleCubic(2.0f, 1.0f, 0.7f), img->sampleLinear(3.0f, 3.0f, 0.0f),
                       img->sampleLinear(9.0f, -4.0f, 0.0f), img->sampleLinear(std::nanf(""), 0.0f, 0.0f),
                       float(std::isfinite(cubic))};
     }, {10.75f, 12, 11, 24, 9, 0, 1}},
    // Through the window [0, 100], padded to a power of two; an empty
    // window is a threshold; a missing slice is refused.
    {"export", [] {
         auto img = filled<short>(3, 1, 1, 1, 1, {-10, 45, 500});
         img->setRange(0.0f, 100.0f, 0);
         std::unique_ptr<unsigned char[]> b(img->toBytes(nullptr, true));
         std::unique_ptr<unsigned short[]> w(img->toWords(nullptr, false));
         img->setRange(45.0f, 45.0f, 0);
         std::unique_ptr<unsigned char[]> s(img->sliceToBytes(nullptr, 0, 0, false));
         return Values{float(img->bufferSize(true)), float(b[0]), float(b[1]), float(b[2]), float(b[3]), float(w[1]),
                       float(s[0]), float(s[2]), float(img->sliceToBytes(nullptr, 1, 0, false) == nullptr)};
     }, {4, 0, 114, 255, 0, 29490, 0, 255, 1}},
    {"centre of mass weights above the lower bound; no weight: the grid centre", [] {
         auto img = filled<float>(3, 1, 1, 1, 1, {1, 1, 4});
         float c[3];
         img->setRange(1.0f, 4.0f, 0);
         img->centreOfMass(c);
         const float weighted = c[0];
         img->setRange(10.0f, 20.0f, 0);
         img->centreOfMass(c);
         return Values{weighted, c[0]};
     }, {2, 1}},
    {"downsample averages 2 x 2 blocks and widens the spacing", [] {
         auto img = counting(4, 2, 3);
         img->downsample(2, 2, 1);
         return Values{float(img->getDim(0)), float(img->getDim(1)), float(img->getDim(2)), at(*img, 0),
                       img->getSpacing(0)};
     }, {2, 1, 3, (0 + 1 + 4 + 5) / 4.0f, 2}},
    // New (x, y, z) is old (x, z = 2 - y, y): new (1, 0, 1) is old (1, 1, 2).
    {"reslice to coronal", [] {
         auto img = counting(4, 2, 3);
         img->reslice(1);
         return Values{float(img->getDim(1)), float(img->getDim(2)), img->getSpacing(1), at(*img, 1, 0, 1)};
     }, {3, 2, 3, 1 + 4 * 1 + 8 * 2}},
    {"power-of-two sizes keep the channels", [] {
         auto img = filled<unsigned char>(3, 5, 1, 1, 2, {});
         img->scaleToPowerOfTwo();
         return Values{float(img->getDim(0)), float(img->getDim(1)), float(img->getChannels())};
     }, {4, 8, 2}},
    // The right neighbour: column 0 mirrors column 2, row 3 mirrors row 1;
    // the range covers the inner results, which the border only repeats.
    {"filter convolves inside and mirrors the border", [] {
         auto img = ramp(5, 4);
         const float shift[9] = {0, 0, 0, 0, 0, 1, 0, 0, 0};
         std::unique_ptr<Image> out(img->filter(VOXA::kTypeFloat, shift, 3));
         return Values{at(*out, 2, 1), at(*out, 0, 1), at(*out, 1, 3), out->getLower(0), out->getUpper(0)};
     }, {14, 14, 11, 11, 22}},
    {"filter into the caller's image; a window wider than the image leaves it zero", [] {
         auto img = ramp(5, 4);
         ImageBase<short> given;
         const float big[25] = {1};
         const Image *same = img->filter(VOXA::kTypeShort, big, 5, &given);
         return Values{float(same == &given), float(given.getDim(0)), at(given, 2, 2)};
     }, {1, 5, 0}},
    {"mirror border wider than the image", [] {
         auto img = ramp(3, 2);
         for (int width : {10, 0, -4})
             img->mirrorBorder(width);
         return Values{};
     }, {}},
    {"gradient 2D: one-sided at the edge, zero there with a border", [] {
         auto img = ramp(4, 3, 3);
         std::unique_ptr<Image> g(img->gradient2D(0, false)), b(img->gradient2D(0, true));
         return Values{float(g->getChannels()), at(*g, 0, 0), at(*g, 2, 1, 2, 1), at(*b, 0, 1), at(*b, 1, 1)};
     }, {2, 3, 5, 0, 3}},
    {"hessian of x² + xy", [] {
         auto img = filled<float>(4, 4, 1, 1, 1, {});
         for (int y = 0; y < 4; ++y)
             for (int x = 0; x < 4; ++x)
                 img->setValue(float(x * x + x * y), x, y, 0, 0, 0);
         std::unique_ptr<Image> h(img->hessian(VOXA::kTypeDouble));
         return Values{float(h->getChannels()), at(*h, 1, 1, 0, 0), at(*h, 1, 1, 0, 1), at(*h, 2, 2, 0, 2)};
     }, {3, 2, 1, 0}},
    {"gradient 3D, saturated at the result type", [] {
         std::unique_ptr<Image> g(ramp(4, 3, 3)->gradient3D(VOXA::kTypeChar));
         std::unique_ptr<Image> steep(filled<float>(2, 1, 1, 1, 1, {0, 1000})->gradient3D(VOXA::kTypeChar));
         return Values{at(*g, 1, 1, 1, 2), at(*steep, 0)};
     }, {7, 127}},
};

TEST(ImageOperations, KnownResultsOnTinyPictures)
{
    for (const Row &row : kRows) {
        SCOPED_TRACE(row.name);
        const Values actual = row.run();
        ASSERT_EQ(actual.size(), row.expected.size());
        for (std::size_t i = 0; i < actual.size(); ++i)
            EXPECT_NEAR(actual[i], row.expected[i], 1e-4f) << "value " << i;
    }
}

TEST(ImageOperations, RefusalsPrintAnErrorAndReturnNull)
{
    ImageBase<unsigned char> bytes;
    ASSERT_EQ(bytes.init(4, 4, 1, 1, 1), 0);
    ImageBase<float> source;
    ASSERT_EQ(source.init(3, 3, 1, 1, 1), 0);
    ImageBase<short> wrongType;
    const float kernel[9] = {0, 0, 0, 0, 1, 0, 0, 0, 0};
    // One result-type check for all: filter asks with its source's type, hessian with a named one.
    const struct {
        const char *name;
        std::function<Image *()> run;
    } refused[] = {
        {"filter of unsigned data", [&] { return bytes.filter(0, kernel, 3); }},
        {"even window", [&] { return bytes.filter(VOXA::kTypeShort, kernel, 2); }},
        {"negative window", [&] { return bytes.filter(VOXA::kTypeShort, kernel, -3); }},
        {"no kernel", [&] { return bytes.filter(VOXA::kTypeShort, nullptr, 3); }},
        {"unknown type", [&] { return bytes.filter(0x1408, kernel, 3); }},
        {"result of the wrong type", [&] { return bytes.filter(VOXA::kTypeFloat, kernel, 3, &wrongType); }},
        {"result is the source", [&] { return source.filter(0, kernel, 3, &source); }},
        {"hessian into an unsigned type", [&] { return bytes.hessian(VOXA::kTypeUnsignedShort); }},
    };
    for (const auto &row : refused) {
        SCOPED_TRACE(row.name);
        ::testing::internal::CaptureStdout();
        EXPECT_EQ(row.run(), nullptr);
        EXPECT_EQ(::testing::internal::GetCapturedStdout().rfind("Error: ", 0), 0u);
    }
    EXPECT_EQ(source.getDim(0), 3);
}

} // namespace
