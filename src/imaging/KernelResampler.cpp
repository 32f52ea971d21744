#include "imaging/KernelResampler.h"
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <thread>
#include <vector>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
constexpr int kWeightBits = 14;
constexpr int kWeightOne = 1 << kWeightBits;
constexpr int kChannels = 4;
// Target rows filtered together, and the bytes of a source row filtered at once for them: the
// source rows of a band's strip stay in the cache while every row of the band reads them.
constexpr int kBandRows = 16;
constexpr int kStripBytes = 4096;
constexpr int kMaxWorkers = 8;

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

// out[i] = sum over t of weights[t] x lines[t][i], for i < length. Integer sums are exact in
// any order, so the vector path and the plain one give the same values.
void weightedSumScalar(const uint8_t* const* lines, const int16_t* weights, int count, int from, int length, int32_t* out)
{
    for (int i = from; i < length; ++i) {
        int32_t sum = 0;
        for (int t = 0; t < count; ++t)
            sum += int32_t(weights[t]) * lines[t][i];
        out[i] = sum;
    }
}

#if defined(__SSE2__)
// Sixteen bytes at a time, two source rows per multiply-add: the bytes of both rows are
// interleaved into pairs and multiplied with the pair of their weights.
void weightedSum(const uint8_t* const* lines, const int16_t* weights, int count, int length, int32_t* out)
{
    const __m128i zero = _mm_setzero_si128();
    int i = 0;
    for (; i + 16 <= length; i += 16) {
        __m128i sum0 = zero, sum1 = zero, sum2 = zero, sum3 = zero;
        for (int t = 0; t < count; t += 2) {
            const bool pair = t + 1 < count;
            const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lines[t] + i));
            const __m128i q = pair ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(lines[t + 1] + i)) : zero;
            const uint32_t w1 = pair ? uint16_t(weights[t + 1]) : 0;
            const __m128i w = _mm_set1_epi32(int32_t((w1 << 16) | uint16_t(weights[t])));
            const __m128i lo = _mm_unpacklo_epi8(p, q);
            const __m128i hi = _mm_unpackhi_epi8(p, q);
            sum0 = _mm_add_epi32(sum0, _mm_madd_epi16(_mm_unpacklo_epi8(lo, zero), w));
            sum1 = _mm_add_epi32(sum1, _mm_madd_epi16(_mm_unpackhi_epi8(lo, zero), w));
            sum2 = _mm_add_epi32(sum2, _mm_madd_epi16(_mm_unpacklo_epi8(hi, zero), w));
            sum3 = _mm_add_epi32(sum3, _mm_madd_epi16(_mm_unpackhi_epi8(hi, zero), w));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), sum0);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 4), sum1);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), sum2);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 12), sum3);
    }
    weightedSumScalar(lines, weights, count, i, length, out);
}
#else
void weightedSum(const uint8_t* const* lines, const int16_t* weights, int count, int length, int32_t* out)
{
    weightedSumScalar(lines, weights, count, 0, length, out);
}
#endif

uint8_t clampedChannel(int64_t sum)
{
    const int64_t v = (sum + (int64_t(1) << (2 * kWeightBits - 1))) >> (2 * kWeightBits);
    return uint8_t(std::clamp<int64_t>(v, 0, 255));
}

// What one thread works with: the row sums of a band, and the lines and weights of one target
// row. Everything is allocated before the threads start.
struct Worker
{
    std::vector<int32_t> sums;
    std::vector<const uint8_t*> lines;
    std::vector<int16_t> weights;
};

// One resampling: the taps of both axes, the source rows from the first column read, and the
// target rows. Rows are filtered first, a band of target rows at a time and in strips of
// columns; then each target row is filtered along its columns. The row pointers are taken
// before the threads start, so no thread touches the rasters' sharing.
struct Pass
{
    std::vector<Taps> columns;
    std::vector<Taps> rows;
    std::vector<const uint8_t*> sourceLines;
    std::vector<TColor32*> targetLines;
    int firstColumn = 0;
    int span = 0; // bytes of a source row that are read
    size_t mostTaps = 0;

    void filterBand(int band, Worker& worker) const
    {
        const int first = band * kBandRows;
        const int last = std::min(first + kBandRows, int(targetLines.size()));
        for (int strip = 0; strip < span; strip += kStripBytes) {
            const int length = std::min(kStripBytes, span - strip);
            for (int y = first; y < last; ++y) {
                worker.lines.clear();
                worker.weights.clear();
                for (const Tap& tap : rows[size_t(y)].taps) {
                    worker.lines.push_back(sourceLines[size_t(tap.index)] + strip);
                    worker.weights.push_back(int16_t(tap.weight));
                }
                int32_t* out = worker.sums.data() + size_t(y - first) * size_t(span) + strip;
                weightedSum(worker.lines.data(), worker.weights.data(), int(worker.lines.size()), length, out);
            }
        }
        for (int y = first; y < last; ++y)
            filterColumns(worker.sums.data() + size_t(y - first) * size_t(span), targetLines[size_t(y)]);
    }

    void filterColumns(const int32_t* acc, TColor32* out) const
    {
        for (size_t x = 0; x < columns.size(); ++x) {
            int64_t sum[kChannels] = {0, 0, 0, 0};
            for (const Tap& tap : columns[x].taps) {
                const int32_t* a = acc + (tap.index - firstColumn) * kChannels;
                for (int c = 0; c < kChannels; ++c)
                    sum[c] += int64_t(tap.weight) * a[c];
            }
            auto* bytes = reinterpret_cast<uint8_t*>(out + x);
            for (int c = 0; c < kChannels; ++c)
                bytes[c] = clampedChannel(sum[c]);
        }
    }
};
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
    Pass pass;
    pass.columns = axisTaps(sourceRect.left(), sourceRect.width(), source.width(), target.width());
    pass.rows = axisTaps(sourceRect.top(), sourceRect.height(), source.height(), target.height());
    // Only the source columns that some target column reads are filtered by rows.
    pass.firstColumn = source.width();
    int lastColumn = -1;
    for (const Taps& t : pass.columns) {
        pass.firstColumn = std::min(pass.firstColumn, t.taps.front().index);
        lastColumn = std::max(lastColumn, t.taps.back().index);
    }
    pass.span = (lastColumn - pass.firstColumn + 1) * kChannels;
    for (int y = 0; y < source.height(); ++y)
        pass.sourceLines.push_back(reinterpret_cast<const uint8_t*>(source.constScanLine(y) + pass.firstColumn));
    for (int y = 0; y < target.height(); ++y)
        pass.targetLines.push_back(target.scanLine(y));
    for (const Taps& t : pass.rows)
        pass.mostTaps = std::max(pass.mostTaps, t.taps.size());

    // Bands of target rows are independent, so they are shared out among threads; every pixel
    // is computed the same way whichever thread takes it.
    const int bands = (target.height() + kBandRows - 1) / kBandRows;
    const int count = std::clamp(int(std::thread::hardware_concurrency()), 1, std::min(bands, kMaxWorkers));
    std::vector<Worker> workers(static_cast<size_t>(count));
    for (Worker& w : workers) {
        w.sums.resize(size_t(kBandRows) * size_t(pass.span));
        w.lines.reserve(pass.mostTaps);
        w.weights.reserve(pass.mostTaps);
    }
    std::atomic<int> next{0};
    const auto work = [&](Worker& worker) {
        for (int band = next++; band < bands; band = next++)
            pass.filterBand(band, worker);
    };
    std::vector<std::thread> threads;
    for (size_t i = 1; i < workers.size(); ++i)
        threads.emplace_back(work, std::ref(workers[i]));
    work(workers[0]);
    for (std::thread& t : threads)
        t.join();
}

TBitmap32 KernelResampler::scaled(const TBitmap32& source, const QSize& size)
{
    TBitmap32 result;
    result.SetSize(size.width(), size.height());
    Resample(source, QRect(0, 0, source.width(), source.height()), result);
    return result;
}
