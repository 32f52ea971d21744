#include "imaging/KernelResampler.h"
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {
constexpr int kWeightBits = 14;
constexpr int kWeightOne = 1 << kWeightBits;
constexpr int kChannels = 4;
// Accumulation works in blocks of this many bytes, so that the compiler can turn each block
// into vector instructions; the last, partial block of a row is read from a padded copy.
constexpr int kBlock = 16;

struct Tap
{
    int index;
    int weight; // in 1/kWeightOne
};

// The taps of one target pixel along one axis.
struct Taps
{
    std::vector<Tap> taps;
};

// For every target position along one axis: the source positions it reads and their weights.
// `start`, `length`: the part of the source axis that is drawn; `limit`: the source size, the
// edge where reading is clamped.
std::vector<Taps> axisTaps(int start, int length, int limit, int targetLength)
{
    const double scale = double(targetLength) / length;
    const double filterScale = std::min(scale, 1.0);
    const double radius = KernelResampler::kKernelWidth / filterScale;
    std::vector<Taps> result(static_cast<size_t>(targetLength));
    std::vector<std::pair<int, double>> raw;
    for (int i = 0; i < targetLength; ++i) {
        const double center = start + (i + 0.5) / scale - 0.5;
        raw.clear();
        double sum = 0;
        const int first = int(std::floor(center - radius));
        const int last = int(std::ceil(center + radius));
        for (int j = first; j <= last; ++j) {
            const double w = KernelResampler::HammingSinc((j - center) * filterScale);
            if (w == 0)
                continue;
            const int index = std::clamp(j, 0, limit - 1);
            if (!raw.empty() && raw.back().first == index)
                raw.back().second += w;
            else
                raw.emplace_back(index, w);
            sum += w;
        }
        std::vector<Tap>& taps = result[size_t(i)].taps;
        int total = 0;
        size_t largest = 0;
        for (const auto& [index, w] : raw) {
            const int weight = int(std::nearbyint(w / sum * kWeightOne));
            if (weight == 0)
                continue;
            taps.push_back({index, weight});
            total += weight;
            if (std::abs(weight) > std::abs(taps[largest].weight))
                largest = taps.size() - 1;
        }
        taps[largest].weight += kWeightOne - total;
    }
    return result;
}

// acc[i] += weight * row[i] for a whole number of blocks.
void accumulate(int32_t* acc, const uint8_t* row, int weight, int blocks)
{
    const int16_t w = int16_t(weight);
    for (int b = 0; b < blocks; ++b) {
        int32_t* a = acc + b * kBlock;
        const uint8_t* r = row + b * kBlock;
        for (int k = 0; k < kBlock; ++k)
            a[k] += int32_t(int16_t(r[k])) * w;
    }
}

uint8_t clampedChannel(int64_t sum)
{
    const int64_t v = (sum + (int64_t(1) << (2 * kWeightBits - 1))) >> (2 * kWeightBits);
    return uint8_t(std::clamp<int64_t>(v, 0, 255));
}
} // namespace

double KernelResampler::HammingSinc(double x)
{
    x = std::abs(x);
    if (x >= kKernelWidth)
        return 0;
    if (x == 0)
        return 1;
    const double px = std::numbers::pi * x;
    return std::sin(px) / px * (0.54 + 0.46 * std::cos(px / kKernelWidth));
}

void KernelResampler::Resample(const TBitmap32& source, const QRect& sourceRect, TBitmap32& target)
{
    if (source.empty() || target.empty() || sourceRect.width() <= 0 || sourceRect.height() <= 0)
        return;
    const std::vector<Taps> columns = axisTaps(sourceRect.left(), sourceRect.width(), source.width(), target.width());
    const std::vector<Taps> rows = axisTaps(sourceRect.top(), sourceRect.height(), source.height(), target.height());

    // Only the source columns that some target column reads are filtered by rows.
    int firstColumn = source.width();
    int lastColumn = -1;
    for (const Taps& t : columns) {
        firstColumn = std::min(firstColumn, t.taps.front().index);
        lastColumn = std::max(lastColumn, t.taps.back().index);
    }
    const int span = (lastColumn - firstColumn + 1) * kChannels;
    const int blocks = (span + kBlock - 1) / kBlock;
    const int wholeBlocks = span / kBlock;
    const int tail = span - wholeBlocks * kBlock;
    std::vector<int32_t> acc(size_t(blocks) * kBlock);
    uint8_t padded[kBlock] = {};

    for (int y = 0; y < target.height(); ++y) {
        std::fill(acc.begin(), acc.end(), 0);
        for (const Tap& tap : rows[size_t(y)].taps) {
            const auto* line = reinterpret_cast<const uint8_t*>(source.constScanLine(tap.index) + firstColumn);
            accumulate(acc.data(), line, tap.weight, wholeBlocks);
            if (tail > 0) {
                std::copy(line + wholeBlocks * kBlock, line + span, padded);
                accumulate(acc.data() + wholeBlocks * kBlock, padded, tap.weight, 1);
            }
        }
        TColor32* out = target.scanLine(y);
        for (int x = 0; x < target.width(); ++x) {
            int64_t sum[kChannels] = {0, 0, 0, 0};
            for (const Tap& tap : columns[size_t(x)].taps) {
                const int32_t* a = acc.data() + (tap.index - firstColumn) * kChannels;
                for (int c = 0; c < kChannels; ++c)
                    sum[c] += int64_t(tap.weight) * a[c];
            }
            auto* bytes = reinterpret_cast<uint8_t*>(out + x);
            for (int c = 0; c < kChannels; ++c)
                bytes[c] = clampedChannel(sum[c]);
        }
    }
}

TBitmap32 KernelResampler::scaled(const TBitmap32& source, const QSize& size)
{
    TBitmap32 result;
    result.SetSize(size.width(), size.height());
    Resample(source, QRect(0, 0, source.width(), source.height()), result);
    return result;
}
