#include "conversion/Dithering.h"
#include "conversion/ConversionProgress.h"
#include "conversion/NearestColorCache.h"
#include "conversion/PaletteMatching.h"
#include "model/ColorDistance.h"
#include <algorithm>
#include <climits>
#include <vector>

namespace {
constexpr double kThresholdFactor = 1.2;
constexpr int kRowsPerStep = 10;

// The pixels of a bitmap as thread colour values, row after row.
std::vector<TColorRef> colorsOf(const TBitmap32& bitmap)
{
    std::vector<TColorRef> colors;
    colors.reserve(size_t(bitmap.width()) * size_t(bitmap.height()));
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x)
            colors.push_back(bitmap.canvasPixel(x, y));
    }
    return colors;
}

void storeColors(const std::vector<TColorRef>& colors, TBitmap32& bitmap)
{
    size_t i = 0;
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x)
            bitmap.setCanvasPixel(x, y, colors[i++]);
    }
}

TColorRef withError(TColorRef c, const int error[3], int weight, int divisor)
{
    const auto channel = [&](int value, int e) { return std::clamp(value + e * weight / divisor, 0, 255); };
    return makeColorRef(channel(redOf(c), error[0]), channel(greenOf(c), error[1]), channel(blueOf(c), error[2]));
}

TColorTable withoutCounts(TColorTable table)
{
    for (auto& [color, info] : table)
        info.colorCount = 0;
    return table;
}
} // namespace

double Dithering::levelFromPosition(int position, double MaxLevelDithering)
{
    return (100 - position) * MaxLevelDithering / 100;
}

bool Dithering::DitherBitmap(TBitmap32& bitmap, const TColorTable& map, DitherMethod K, double FLevelDithering,
    ConversionProgress* progress)
{
    const int width = bitmap.width();
    const int height = bitmap.height();
    if (bitmap.empty() || map.isEmpty())
        return true;
    if (progress)
        progress->begin((height - 1) / kRowsPerStep + 1);
    const DitherKernel& kernel = DitherKernel::of(K);
    const double threshold = FLevelDithering * kThresholdFactor;
    std::vector<TColorRef> pixels = colorsOf(bitmap);
    NearestColorCache nearest(map, width * height);
    for (int y = 0; y < height; ++y) {
        if (y % kRowsPerStep == 0 && y != 0 && progress && !progress->advance())
            return false;
        for (int x = 0; x < width; ++x) {
            TColorRef& pixel = pixels[size_t(y) * size_t(width) + size_t(x)];
            const TColorRef c = pixel;
            const TColorRef d = nearest.find(c);
            pixel = d;
            const double dist = ColorDistance(redOf(c), greenOf(c), blueOf(c), redOf(d), greenOf(d), blueOf(d));
            if (threshold >= dist)
                continue;
            const int error[3] = {redOf(c) - redOf(d), greenOf(c) - greenOf(d), blueOf(c) - blueOf(d)};
            for (const DitherKernel::Tap& tap : kernel.taps) {
                const int nx = x + tap.dx;
                const int ny = y + tap.dy;
                if (nx < 0 || nx >= width - 1 || ny >= height - 1)
                    continue;
                TColorRef& neighbour = pixels[size_t(ny) * size_t(width) + size_t(nx)];
                neighbour = withError(neighbour, error, tap.weight, kernel.divisor);
            }
        }
    }
    storeColors(pixels, bitmap);
    return true;
}

void Dithering::FillPaletteDic(const TBitmap32& bitmap, TColorTable& map)
{
    if (map.isEmpty())
        return;
    std::unique_ptr<NearestColorSearch> search;
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            TColorRef c = bitmap.canvasPixel(x, y);
            TColorInfo* info = map.find(c);
            if (!info) {
                if (!search)
                    search = std::make_unique<NearestColorSearch>(map);
                info = map.find(search->find(c));
            }
            ++info->colorCount;
        }
    }
}

bool Dithering::recompute(PaletteMatching& matching, const TBitmap32& ImageResized, int N, DitherMethod K,
    double FLevelDithering, TBitmap32& ImageFinal, ConversionProgress* progress)
{
    TColorTable palette = withoutCounts(matching.palette());
    TBitmap32 work = ImageResized;
    if (!DitherBitmap(work, palette, K, FLevelDithering, progress))
        return false;
    FillPaletteDic(work, palette);
    TColorTable reduced;
    // MaxColorsPossible is 0 only for a symbol set without characters; N is at least 1 then and
    // still limits the colours.
    if (N < matching.MaxColorsPossible || matching.MaxColorsPossible < 1) {
        reduced = withoutCounts(PaletteMatching::mostUsed(palette, N));
        work = ImageResized;
        if (!DitherBitmap(work, reduced, K, FLevelDithering, progress))
            return false;
        FillPaletteDic(work, reduced);
    } else {
        reduced = PaletteMatching::mostUsed(palette, INT_MAX);
    }
    matching.PaletteDic = palette;
    matching.ReducedPaletteDic = reduced;
    ImageFinal = work;
    return true;
}
