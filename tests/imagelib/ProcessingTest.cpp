// Filters and derivatives: refusals with their messages, and results on
// pictures whose answer is known.
#include <imagebase>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using VOXA::Image;
using VOXA::ImageBase;

std::string captured(const std::function<void()> &run)
{
    ::testing::internal::CaptureStdout();
    run();
    return ::testing::internal::GetCapturedStdout();
}

// x * 3 + y * 5 on a width x height float image.
std::unique_ptr<ImageBase<float>> ramp(int width, int height, int depth = 1)
{
    auto img = std::make_unique<ImageBase<float>>();
    img->setVerbose(0);
    EXPECT_EQ(img->init(width, height, depth, 1, 1), 0);
    for (int z = 0; z < depth; ++z)
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                img->setValue(float(3 * x + 5 * y + 7 * z), x, y, z, 0, 0);
    return img;
}

TEST(Processing, RefusalsPrintTheirReasonAndReturnNull)
{
    ImageBase<unsigned char> bytes;
    ASSERT_EQ(bytes.init(4, 4, 1, 1, 1), 0);
    const float kernel[9] = {0, 0, 0, 0, 1, 0, 0, 0, 0};
    Image *result = nullptr;
    EXPECT_EQ(captured([&] { result = bytes.filter(0, kernel, 3); }),
              "Error: unsigned data type, cannot compute filtered image!\n");
    EXPECT_EQ(result, nullptr);
    EXPECT_EQ(captured([&] { result = bytes.filter(VOXA::kTypeShort, kernel, 2); }),
              "Error: Window size must be an odd number!\n");
    EXPECT_EQ(captured([&] { result = bytes.filter(VOXA::kTypeShort, kernel, -3); }),
              "Error: Window size must be an odd number!\n");
    EXPECT_EQ(captured([&] { result = bytes.filter(VOXA::kTypeShort, nullptr, 3); }),
              "Error: Cannot compute filtered image without filter!\n");
    EXPECT_EQ(captured([&] { result = bytes.gradient2D(0, false); }),
              "Error: unsigned data type, cannot compute gradient!\n");
    EXPECT_EQ(captured([&] { result = bytes.hessian(VOXA::kTypeUnsignedShort); }),
              "Error: unsigned data type, cannot compute hessian!\n");
    EXPECT_EQ(captured([&] { result = bytes.gradient3D(0); }),
              "Error: unsigned data type, cannot compute gradient!\n");
    EXPECT_EQ(captured([&] { result = bytes.filter(0x1408, kernel, 3); }),
              "Error: Unknown data type!\n");
    ImageBase<short> wrongType;
    EXPECT_EQ(captured([&] { result = bytes.filter(VOXA::kTypeFloat, kernel, 3, &wrongType); }),
              "Error: Result image has the wrong data type!\n");
    EXPECT_EQ(result, nullptr);
    ImageBase<float> source;
    ASSERT_EQ(source.init(3, 3, 1, 1, 1), 0);
    EXPECT_EQ(captured([&] { result = source.filter(0, kernel, 3, &source); }),
              "Error: Result image must not be the source image!\n");
    EXPECT_EQ(source.getDim(0), 3);
}

TEST(Processing, FilterConvolvesInsideAndMirrorsTheBorder)
{
    auto img = ramp(5, 4);
    // Picks the right neighbour: the result is the ramp shifted by one x.
    const float shift[9] = {0, 0, 0, 0, 0, 1, 0, 0, 0};
    std::unique_ptr<Image> out(img->filter(VOXA::kTypeFloat, shift, 3));
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(out->getValue(2, 1, 0, 0, 0), img->getValue(3, 1, 0, 0, 0));
    // Border: column 0 mirrors column 2, row 3 mirrors row 1.
    EXPECT_EQ(out->getValue(0, 1, 0, 0, 0), out->getValue(2, 1, 0, 0, 0));
    EXPECT_EQ(out->getValue(1, 3, 0, 0, 0), out->getValue(1, 1, 0, 0, 0));
    // The range covers the inner results, which the border only repeats.
    EXPECT_EQ(out->getLower(0), 3.0f * 2 + 5 * 1);
    EXPECT_EQ(out->getUpper(0), 3.0f * 4 + 5 * 2);

    // A caller-supplied result of the right type is filled and returned;
    // a window larger than the image leaves it zeroed but intact.
    ImageBase<short> given;
    const float big[25] = {1};
    Image *same = img->filter(VOXA::kTypeShort, big, 5, &given);
    EXPECT_EQ(same, &given);
    EXPECT_EQ(given.getDim(0), 5);
    EXPECT_EQ(given.getValue(2, 2, 0, 0, 0), 0.0f);
}

TEST(Processing, MirrorBorderWiderThanTheImageStaysInside)
{
    auto img = ramp(3, 2);
    img->mirrorBorder(10);
    img->mirrorBorder(0);
    img->mirrorBorder(-4);
    SUCCEED(); // ASan would flag any access outside the buffer
}

TEST(Processing, DerivativesOfARamp)
{
    auto img = ramp(4, 3, 3);
    std::unique_ptr<Image> g(img->gradient2D(0, false));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->getChannels(), 2);
    EXPECT_EQ(g->getValue(0, 0, 0, 0, 0), 3.0f); // one-sided at the edge
    EXPECT_EQ(g->getValue(2, 1, 2, 0, 1), 5.0f);
    std::unique_ptr<Image> bordered(img->gradient2D(0, true));
    EXPECT_EQ(bordered->getValue(0, 1, 0, 0, 0), 0.0f);
    EXPECT_EQ(bordered->getValue(1, 1, 0, 0, 0), 3.0f);

    std::unique_ptr<Image> h(img->hessian(VOXA::kTypeDouble));
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->getChannels(), 3);
    EXPECT_EQ(h->getValue(1, 1, 1, 0, 0), 0.0f); // a plane has no curvature
    EXPECT_EQ(h->getValue(1, 1, 1, 0, 1), 0.0f);

    img->setVerbose(1);
    std::unique_ptr<Image> g3;
    const std::string report = captured([&] { g3.reset(img->gradient3D(VOXA::kTypeChar)); });
    ASSERT_NE(g3, nullptr);
    EXPECT_EQ(g3->getValue(1, 1, 1, 0, 2), 7.0f);
    EXPECT_EQ(report, "Computing 3D gradient...\nDone. Range = [3..7]\n");

    // Values beyond the result type are counted and saturated.
    ImageBase<float> steep;
    steep.setVerbose(0);
    ASSERT_EQ(steep.init(2, 1, 1, 1, 1), 0);
    steep.setValue(1000.0f, 1, 0, 0, 0, 0);
    std::unique_ptr<Image> clipped;
    EXPECT_EQ(captured([&] { clipped.reset(steep.gradient3D(VOXA::kTypeChar)); }),
              "Warning: 2 values exceeded.\n");
    EXPECT_EQ(clipped->getValue(0, 0, 0, 0, 0), 127.0f);
}

} // namespace
