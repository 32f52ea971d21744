#include "model/ColorUsage.h"
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
// Counts the pixels of the layers by their stored value in an open-addressing table: a large
// design has millions of stitched cells but a few hundred colours, so each cell costs one probe,
// and the colour table is consulted once per distinct value afterwards.
class PixelCounts
{
public:
    PixelCounts() : m_keys(kStartSize, kFree), m_counts(kStartSize, 0) {}

    void countLayer(const TBitmap32& layer, TColor32 background)
    {
        const int width = layer.width();
        const int height = layer.height();
        for (int y = 0; y < height; ++y) {
            const TColor32* line = layer.constScanLine(y);
            for (int x = 0; x < width; ++x) {
                if (line[x] != background)
                    add(line[x]);
            }
        }
    }

    // Calls f(value, count) for every value counted.
    template <typename F>
    void forEach(F f) const
    {
        for (size_t i = 0; i < m_keys.size(); ++i) {
            if (m_keys[i] != kFree)
                f(m_keys[i], m_counts[i]);
        }
    }

private:
    // No stored pixel has this value: stitches have alpha 0 and the background is opaque.
    static constexpr TColor32 kFree = 0x7F000000u;
    static constexpr size_t kStartSize = 1024;

    size_t slotOf(TColor32 value) const { return size_t((value * 2654435761u) >> 8) & (m_keys.size() - 1); }

    void add(TColor32 value)
    {
        size_t slot = slotOf(value);
        while (m_keys[slot] != value) {
            if (m_keys[slot] == kFree) {
                if (4 * (m_used + 1) > 3 * m_keys.size()) {
                    grow();
                    add(value);
                    return;
                }
                m_keys[slot] = value;
                ++m_used;
                break;
            }
            slot = (slot + 1) & (m_keys.size() - 1);
        }
        ++m_counts[slot];
    }

    void grow()
    {
        std::vector<TColor32> keys(m_keys.size() * 2, kFree);
        std::vector<qint64> counts(m_keys.size() * 2, 0);
        keys.swap(m_keys);
        counts.swap(m_counts);
        m_used = 0;
        for (size_t i = 0; i < keys.size(); ++i) {
            if (keys[i] == kFree)
                continue;
            size_t slot = slotOf(keys[i]);
            while (m_keys[slot] != kFree)
                slot = (slot + 1) & (m_keys.size() - 1);
            m_keys[slot] = keys[i];
            m_counts[slot] = counts[i];
            ++m_used;
        }
    }

    std::vector<TColor32> m_keys;
    std::vector<qint64> m_counts;
    size_t m_used = 0;
};
} // namespace

int ColorUsage::CalcColorUsage(Design& design)
{
    LayerCounts counted;
    const TColor32 background = design.stitch.BackGroundColor;
    PixelCounts crossPixels;
    crossPixels.countLayer(design.CrossLayer, background);
    crossPixels.forEach([&](TColor32 value, qint64 n) { counted.cross.emplace_back(colorRefFromColor32(value), n); });
    PixelCounts quarterPixels;
    quarterPixels.countLayer(design.QuarterLayer, background);
    quarterPixels.forEach([&](TColor32 value, qint64 n) { counted.quarters.emplace_back(colorRefFromColor32(value), n); });
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
