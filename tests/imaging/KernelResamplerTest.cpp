#include "imaging/KernelResampler.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <vector>
#include <numbers>

namespace {
TBitmap32 pattern(int width, int height, TColor32 (*colorAt)(int x, int y))
{
    TBitmap32 bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            bitmap.setPixel(x, y, colorAt(x, y));
    }
    return bitmap;
}

int red(const TBitmap32& b, int x, int y)
{
    return int((b.pixel(x, y) >> 16) & 0xFF);
}

TColor32 noise(int x, int y)
{
    const quint32 h = quint32(x * 7919 + y * 104729) * 2654435761u;
    return 0xFF000000u | (h >> 8);
}
} // namespace

TEST(KernelResamplerTest, HammingSincKernelValues)
{
    EXPECT_DOUBLE_EQ(KernelResampler::HammingSinc(0), 1.0);
    for (double x : {1.0, 2.0, -1.0, -2.0})
        EXPECT_NEAR(KernelResampler::HammingSinc(x), 0.0, 1e-15) << "sinc is zero at whole numbers";
    for (double x : {3.0, 3.5, -3.0, 10.0})
        EXPECT_EQ(KernelResampler::HammingSinc(x), 0.0) << "nothing at or beyond the width";
    const double x = 0.5;
    const double expected = std::sin(std::numbers::pi * x) / (std::numbers::pi * x)
        * (0.54 + 0.46 * std::cos(std::numbers::pi * x / 3));
    EXPECT_DOUBLE_EQ(KernelResampler::HammingSinc(0.5), expected);
    EXPECT_DOUBLE_EQ(KernelResampler::HammingSinc(-1.7), KernelResampler::HammingSinc(1.7));
    EXPECT_LT(KernelResampler::HammingSinc(1.5), 0.0) << "the first side lobe is negative";
}

TEST(KernelResamplerTest, SameSizeAndWholePixelOffsetCopiesExactly)
{
    const TBitmap32 source = pattern(13, 9, noise);
    EXPECT_TRUE(KernelResampler::scaled(source, QSize(13, 9)) == source);

    TBitmap32 part(5, 4);
    KernelResampler::Resample(source, QRect(3, 2, 5, 4), part);
    EXPECT_TRUE(part.image() == source.image().copy(3, 2, 5, 4)) << "the crop the wizard makes before adjusting";
}

TEST(KernelResamplerTest, UniformPictureStaysExactlyUniformAtAnySize)
{
    const TBitmap32 source(37, 23, 0xFF4080C0u);
    for (const QSize size : {QSize(5, 3), QSize(36, 22), QSize(100, 71), QSize(1, 1), QSize(300, 2)}) {
        const TBitmap32 result = KernelResampler::scaled(source, size);
        EXPECT_TRUE(result == TBitmap32(size.width(), size.height(), 0xFF4080C0u)) << size.width() << "x" << size.height();
    }
}

// A picture of one-pixel stripes made four times smaller: a kernel stretched over the reduction
// averages the stripes to mid-grey; one that was not stretched would alias them into stripes.
// Near the edges the repeated edge pixel (black on the left, white on the right) weighs more.
TEST(KernelResamplerTest, ReductionAveragesDetailSmallerThanAPixel)
{
    const TBitmap32 stripes = pattern(64, 8, [](int x, int) { return x % 2 ? 0xFFFFFFFFu : 0xFF000000u; });
    const TBitmap32 small = KernelResampler::scaled(stripes, QSize(16, 2));
    for (int y = 0; y < 2; ++y) {
        for (int x = 2; x < 14; ++x)
            EXPECT_NEAR(red(small, x, y), 127.5, 1) << x << "," << y;
        EXPECT_LT(red(small, 0, y), 120);
        EXPECT_GT(red(small, 15, y), 135);
    }
}

TEST(KernelResamplerTest, EdgesAreClampedAndMirroredInputGivesMirroredOutput)
{
    // Black left half, white right half, halved: the outer pixels keep their colour (the edge
    // pixels repeat beyond the picture), the middle pair is symmetric about mid-grey.
    const TBitmap32 step = pattern(20, 4, [](int x, int) { return x < 10 ? 0xFF000000u : 0xFFFFFFFFu; });
    const TBitmap32 half = KernelResampler::scaled(step, QSize(10, 2));
    EXPECT_EQ(half.pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(half.pixel(9, 1), 0xFFFFFFFFu);
    EXPECT_EQ(red(half, 4, 0) + red(half, 5, 0), 255);
    for (int x = 1; x < 10; ++x)
        EXPECT_GE(red(half, x, 0), red(half, x - 1, 0) - 1) << "the side lobes ring by a level at most";

    const TBitmap32 source = pattern(17, 11, noise);
    TBitmap32 mirrored;
    mirrored.image() = source.image().mirrored(true, false);
    EXPECT_TRUE(KernelResampler::scaled(mirrored, QSize(7, 5)).image()
        == KernelResampler::scaled(source, QSize(7, 5)).image().mirrored(true, false));
}

// Two pixels, 50 and 200, made four times wider: a rising ramp, symmetric about the middle;
// the negative side lobes overshoot the two values at the ends, as sinc kernels do.
TEST(KernelResamplerTest, EnlargingInterpolatesBetweenPixels)
{
    const TBitmap32 two = pattern(2, 1, [](int x, int) { return x ? 0xFFC8C8C8u : 0xFF323232u; });
    const TBitmap32 big = KernelResampler::scaled(two, QSize(8, 1));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(red(big, x, 0) + red(big, 7 - x, 0), 250) << x;
    for (int x = 1; x < 8; ++x)
        EXPECT_GT(red(big, x, 0), red(big, x - 1, 0));
    EXPECT_LT(red(big, 0, 0), 50);
    EXPECT_GT(red(big, 0, 0), 50 - 150 * 0.15) << "overshoot of a few percent of the step";
}

namespace {
// The weights of one target position along one axis, straight from the definition: the kernel
// centred on the position, stretched when reducing, normalised, edges repeated.
std::vector<std::pair<int, double>> referenceWeights(int start, int length, int limit, int targetLength, int i)
{
    const double scale = double(targetLength) / length;
    const double fs = std::min(scale, 1.0);
    const double center = start + (i + 0.5) / scale - 0.5;
    std::vector<std::pair<int, double>> weights;
    double sum = 0;
    for (int j = int(std::floor(center - 3 / fs)); j <= int(std::ceil(center + 3 / fs)); ++j) {
        const double w = KernelResampler::HammingSinc((j - center) * fs);
        weights.emplace_back(std::clamp(j, 0, limit - 1), w);
        sum += w;
    }
    for (auto& [index, w] : weights)
        w /= sum;
    return weights;
}
} // namespace

// Against a direct two-dimensional sum in double precision, over a picture wide enough for
// several column strips and a result tall enough for several bands of rows: every channel
// within one level (the weights are held as integers of 1/16384).
TEST(KernelResamplerTest, AgreesWithTheKernelSummedDirectly)
{
    const TBitmap32 source = pattern(1300, 97, noise);
    const QRect part(40, 3, 1250, 90);
    TBitmap32 target(301, 37);
    KernelResampler::Resample(source, part, target);
    int worst = 0;
    for (int y = 0; y < target.height(); ++y) {
        const auto wy = referenceWeights(part.top(), part.height(), source.height(), target.height(), y);
        for (int x = 0; x < target.width(); ++x) {
            const auto wx = referenceWeights(part.left(), part.width(), source.width(), target.width(), x);
            for (int shift : {0, 8, 16, 24}) {
                double v = 0;
                for (const auto& [sy, a] : wy) {
                    for (const auto& [sx, b] : wx)
                        v += a * b * double((source.pixel(sx, sy) >> shift) & 0xFF);
                }
                const int expected = std::clamp(int(std::lround(v)), 0, 255);
                worst = std::max(worst, std::abs(int((target.pixel(x, y) >> shift) & 0xFF) - expected));
            }
        }
    }
    EXPECT_LE(worst, 1);
}

TEST(KernelResamplerTest, EmptyPartOrTargetLeavesTheTargetAsItWas)
{
    const TBitmap32 source(4, 4, 0xFF000000u);
    TBitmap32 target(2, 2, 0xFF123456u);
    KernelResampler::Resample(source, QRect(1, 1, 0, 3), target);
    EXPECT_TRUE(target == TBitmap32(2, 2, 0xFF123456u));
}
