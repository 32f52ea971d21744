#include "model/ColorUsage.h"
#include "imaging/ColorKeyTable.h"
#include "model/Design.h"
#include "model/DesignListener.h"
#include <vector>

bool ColorUsage::ensureColor(Design& design, TColorRef color)
{
    TColorTable& colors = design.stitch.Colors;
    if (colors.contains(color))
        return false;
    TColorInfo info;
    info.matchColor = color;
    info.charID = -1;
    info.orderID = colors.size() == 0 ? 0 : std::prev(colors.end())->second.orderID + 1;
    colors.insert(color, info);
    return true;
}

void ColorUsage::colorBecameUsed(Design& design, TColorRef color)
{
    TStitch& doc = design.stitch;
    const TColorInfo& info = doc.Colors.at(color);
    if (doc.chars) {
        doc.chars->setUsed(info.charID, true);
        doc.chars->renderColor(color, info);
    }
    doc.setUsedColors(doc.usedColors() + 1);
    design.listener().colorBecameUsed(color);
}

void ColorUsage::colorBecameUnused(Design& design, TColorRef color, bool resort)
{
    TStitch& doc = design.stitch;
    if (doc.chars) {
        doc.chars->setUsed(doc.Colors.at(color).charID, false);
        doc.chars->clearColor(color);
    }
    doc.setUsedColors(doc.usedColors() - 1);
    design.listener().colorBecameUnused(color, resort);
}

namespace {
// Counts the pixels of a layer by their stored value: a large design has millions of stitched
// cells but a few hundred colours, so each cell costs one probe, and the colour table is
// consulted once per distinct value afterwards.
void countLayer(const TBitmap32& layer, TColor32 background, std::vector<std::pair<TColorRef, qint64>>& counted)
{
    ColorKeyTable<qint64> counts(kNoLayerPixel, 512);
    const int width = layer.width();
    const int height = layer.height();
    for (int y = 0; y < height; ++y) {
        const TColor32* line = layer.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            if (line[x] != background)
                ++*counts.insert(line[x]);
        }
    }
    counts.forEach([&](TColor32 value, qint64 n) { counted.emplace_back(colorRefFromColor32(value), n); });
}
} // namespace

int ColorUsage::CalcColorUsage(Design& design)
{
    LayerCounts counted;
    const TColor32 background = design.stitch.BackGroundColor;
    countLayer(design.CrossLayer, background, counted.cross);
    countLayer(design.QuarterLayer, background, counted.quarters);
    return CalcColorUsage(design, counted);
}

int ColorUsage::CalcColorUsage(Design& design, const LayerCounts& counted)
{
    TStitch& doc = design.stitch;
    int added = 0;
    // Colour-table positions, found once per distinct colour; the table may grow on the way.
    std::vector<int> cross, quarters, back, knots;
    const auto add = [&](std::vector<int>& counts, TColorRef color, qint64 amount) {
        added += ensureColor(design, color) ? 1 : 0;
        const size_t index = size_t(doc.Colors.indexOf(color));
        if (index >= counts.size())
            counts.resize(index + 1, 0);
        counts[index] += int(amount);
    };
    for (const auto& [color, n] : counted.cross)
        add(cross, color, n);
    for (const auto& [color, n] : counted.quarters)
        add(quarters, color, n);
    for (const TBackStitch& s : design.BackStitchList)
        add(back, s.Color, stitchLength(s.FromPoint, s.ToPoint));
    for (const TFrenchKnot& k : design.FrenchKnotList)
        add(knots, k.Color, 1);
    for (const TRhodeRef& r : design.RhodeList)
        add(back, r->color, r->totalLength());
    TColorTable& colors = doc.Colors;
    for (std::vector<int>* counts : {&cross, &quarters, &back, &knots})
        counts->resize(size_t(colors.size()), 0);

    doc.setUsedColors(0);
    if (doc.chars)
        doc.chars->clearCharsused();
    for (int i = 0; i < colors.size(); ++i) {
        TColorInfo& info = colors.entryAt(i).second;
        const size_t k = size_t(i);
        // Two quarters of a colour count as one stitch, an odd one left over as one more.
        info.quarterStitchesCount = quarters[k];
        info.backStitchesCount = back[k];
        info.colorCount = cross[k] + (quarters[k] + 1) / 2 + back[k] + knots[k];
    }
    for (int i = 0; i < colors.size(); ++i) {
        const TColorRef color = colors.entryAt(i).first;
        if (colors.entryAt(i).second.colorCount >= 1)
            colorBecameUsed(design, color);
        else if (doc.chars)
            doc.chars->clearColor(color);
    }
    design.listener().colorListChanged();
    return added;
}
