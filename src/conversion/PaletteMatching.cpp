#include "conversion/PaletteMatching.h"
#include "model/ColorDistance.h"
#include <QHash>
#include <algorithm>

namespace {
// Draws every pixel of the picture with the colour that `colorFor` gives its picture colour.
// Pixels repeat their colours, so each distinct colour is looked up once.
template <typename F>
void drawMapped(const TBitmap32& ImageResized, TBitmap32& ImageFinal, F colorFor)
{
    ImageFinal.SetSize(ImageResized.width(), ImageResized.height());
    QHash<TColorRef, TColorRef> mapped;
    for (int y = 0; y < ImageResized.height(); ++y) {
        for (int x = 0; x < ImageResized.width(); ++x) {
            const TColorRef c = ImageResized.canvasPixel(x, y);
            auto it = mapped.constFind(c);
            if (it == mapped.constEnd())
                it = mapped.insert(c, colorFor(c));
            ImageFinal.setCanvasPixel(x, y, *it);
        }
    }
}
} // namespace

PaletteMatching::PaletteMatching(QList<double>& deltas) : Deltas(deltas) {}

void PaletteMatching::loadUsedColors(const TBitmap32& ImageResized)
{
    UsedColorDic = TColorTable();
    for (int y = 0; y < ImageResized.height(); ++y) {
        for (int x = 0; x < ImageResized.width(); ++x) {
            const TColorRef c = ImageResized.canvasPixel(x, y);
            if (TColorInfo* info = UsedColorDic.find(c)) {
                ++info->colorCount;
            } else {
                TColorInfo entry;
                entry.colorCount = 1;
                UsedColorDic.insert(c, entry);
            }
        }
    }
}

void PaletteMatching::copyPalette()
{
    PaletteDic = m_palette;
    for (auto& [color, info] : PaletteDic)
        info.colorCount = 0;
}

void PaletteMatching::matchPalette()
{
    Deltas = QList<double>();
    const NearestColorSearch search(PaletteDic);
    for (auto& [c, info] : UsedColorDic) {
        double distance = 0;
        const TColorRef m = search.find(c, &distance);
        info.matchColor = m;
        if (m == kNoColor)
            continue;
        if (distance != 0)
            Deltas.append(distance);
        PaletteDic.at(m).colorCount += info.colorCount;
    }
    std::sort(Deltas.begin(), Deltas.end());
    MaxLevelDithering = Deltas.isEmpty() ? 0 : Deltas.last();
}

void PaletteMatching::DrawImageWithPalette(const TBitmap32& ImageResized, TBitmap32& ImageFinal) const
{
    drawMapped(ImageResized, ImageFinal, [this](TColorRef c) {
        const TColorInfo* used = UsedColorDic.find(c);
        return used ? used->matchColor : NearestColor(c, PaletteDic);
    });
}

void PaletteMatching::paletteChange(const TBitmap32& ImageResized, int symbolCount, TBitmap32& ImageFinal)
{
    copyPalette();
    matchPalette();
    DrawImageWithPalette(ImageResized, ImageFinal);
    MaxColorsPossible = std::min(colorsWithPixels(PaletteDic), symbolCount);
}

int PaletteMatching::chooseMaxColors(int typed, int maxColorsSetting)
{
    MaxColorsChosen = std::max(1, std::min({typed, MaxColorsPossible, maxColorsSetting}));
    return MaxColorsChosen;
}

int PaletteMatching::colorsWithPixels(const TColorTable& table)
{
    return int(std::count_if(table.begin(), table.end(), [](const auto& e) { return e.second.colorCount != 0; }));
}

TColorTable PaletteMatching::mostUsed(const TColorTable& counted, int n)
{
    std::vector<const TColorTable::Entry*> ranked;
    for (const auto& entry : counted) {
        if (entry.second.colorCount > 0)
            ranked.push_back(&entry);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
        [](const auto* a, const auto* b) { return a->second.colorCount > b->second.colorCount; });
    TColorTable result;
    for (size_t i = 0; i < ranked.size() && int(i) < n; ++i)
        result.insert(ranked[i]->first, ranked[i]->second);
    return result;
}

void PaletteMatching::reduceToMostUsed(int N)
{
    ReducedPaletteDic = mostUsed(PaletteDic, N);
}

void PaletteMatching::matchPaletteToReduced()
{
    if (ReducedPaletteDic.isEmpty())
        return;
    const NearestColorSearch search(ReducedPaletteDic);
    for (auto& [k, info] : PaletteDic) {
        const TColorRef m = search.find(k);
        info.matchColor = m;
        ReducedPaletteDic.at(m).colorCount += info.colorCount;
    }
}

void PaletteMatching::DrawImageWithReducedPalette(const TBitmap32& ImageResized, TBitmap32& ImageFinal) const
{
    drawMapped(ImageResized, ImageFinal, [this](TColorRef c) {
        const TColorInfo* used = UsedColorDic.find(c);
        const TColorRef match = used ? used->matchColor : NearestColor(c, PaletteDic);
        const TColorInfo* palette = PaletteDic.find(match);
        return palette ? palette->matchColor : match;
    });
}

void PaletteMatching::recompute(const TBitmap32& ImageResized, int N, TBitmap32& ImageFinal)
{
    loadUsedColors(ImageResized);
    for (auto& [color, info] : PaletteDic)
        info.colorCount = 0;
    matchPalette();
    reduceToMostUsed(N);
    matchPaletteToReduced();
    DrawImageWithReducedPalette(ImageResized, ImageFinal);
}
