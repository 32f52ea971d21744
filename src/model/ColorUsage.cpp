#include "model/ColorUsage.h"
#include "model/Design.h"
#include "model/DesignListener.h"
#include <array>
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
// Counts stitches per colour-table position. Large designs have millions of cells but a few
// hundred colours, so a cell finds its colour's position through a small direct-mapped cache in
// front of the table's hash.
class Counter
{
public:
    explicit Counter(Design& design) : m_design(design) { m_cacheKeys.fill(kEmptyKey); }

    int indexOf(TColorRef color)
    {
        const size_t slot = (color * 2654435761u) >> 22 & (kCacheSize - 1);
        if (m_cacheKeys[slot] == color)
            return m_cacheIndex[slot];
        added += ColorUsage::ensureColor(m_design, color) ? 1 : 0;
        const int index = m_design.stitch.Colors.indexOf(color);
        m_cacheKeys[slot] = color;
        m_cacheIndex[slot] = index;
        return index;
    }

    std::vector<int>& grow(std::vector<int>& counts)
    {
        counts.resize(size_t(m_design.stitch.Colors.size()), 0);
        return counts;
    }

    int added = 0;

private:
    static constexpr size_t kCacheSize = 1024;
    static constexpr TColorRef kEmptyKey = 0xFFFFFFFFu; // never a thread colour
    Design& m_design;
    std::array<TColorRef, kCacheSize> m_cacheKeys;
    std::array<int, kCacheSize> m_cacheIndex{};
};

// Counts the non-empty pixels of a layer per colour-table position.
std::vector<int> countLayer(const TBitmap32& layer, TColor32 background, Counter& counter)
{
    std::vector<int> counts;
    for (int y = 0; y < layer.height(); ++y) {
        const TColor32* line = layer.constScanLine(y);
        for (int x = 0; x < layer.width(); ++x) {
            if (line[x] == background)
                continue;
            const int index = counter.indexOf(colorRefFromColor32(line[x]));
            if (size_t(index) >= counts.size())
                counter.grow(counts);
            ++counts[size_t(index)];
        }
    }
    return counts;
}
} // namespace

int ColorUsage::CalcColorUsage(Design& design)
{
    TStitch& doc = design.stitch;
    Counter counter(design);
    const TColor32 background = doc.BackGroundColor;
    std::vector<int> cross = countLayer(design.CrossLayer, background, counter);
    std::vector<int> quarters = countLayer(design.QuarterLayer, background, counter);
    std::vector<int> back;
    std::vector<int> knots;
    const auto add = [&counter](std::vector<int>& counts, TColorRef color, int amount) {
        const int index = counter.indexOf(color);
        counter.grow(counts);
        counts[size_t(index)] += amount;
    };
    for (const TBackStitch& s : design.BackStitchList)
        add(back, s.Color, stitchLength(s.FromPoint, s.ToPoint));
    for (const TFrenchKnot& k : design.FrenchKnotList)
        add(knots, k.Color, 1);
    for (const TRhodeRef& r : design.RhodeList)
        add(back, r->color, r->totalLength());
    for (std::vector<int>* counts : {&cross, &quarters, &back, &knots})
        counter.grow(*counts);

    doc.setUsedColors(0);
    if (doc.chars)
        doc.chars->clearCharsused();
    TColorTable& colors = doc.Colors;
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
    return counter.added;
}
