#include "model/ColorUsage.h"
#include "model/Design.h"
#include "model/DesignListener.h"

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

int ColorUsage::CalcColorUsage(Design& design)
{
    TStitch& doc = design.stitch;
    int added = 0;
    const auto entry = [&](TColorRef color) -> TColorInfo& {
        added += ensureColor(design, color) ? 1 : 0;
        return doc.Colors.at(color);
    };
    doc.setUsedColors(0);
    if (doc.chars)
        doc.chars->clearCharsused();
    for (auto& [color, info] : doc.Colors) {
        info.colorCount = 0;
        info.quarterStitchesCount = 0;
        info.backStitchesCount = 0;
    }
    const TColor32 background = doc.BackGroundColor;
    for (int y = 0; y < design.CrossLayer.height(); ++y) {
        const TColor32* line = design.CrossLayer.constScanLine(y);
        for (int x = 0; x < design.CrossLayer.width(); ++x) {
            if (line[x] != background)
                ++entry(colorRefFromColor32(line[x])).colorCount;
        }
    }
    for (int y = 0; y < design.QuarterLayer.height(); ++y) {
        const TColor32* line = design.QuarterLayer.constScanLine(y);
        for (int x = 0; x < design.QuarterLayer.width(); ++x) {
            if (line[x] == background)
                continue;
            TColorInfo& info = entry(colorRefFromColor32(line[x]));
            if (info.quarterStitchesCount % 2 == 0)
                ++info.colorCount;
            ++info.quarterStitchesCount;
        }
    }
    for (const TBackStitch& s : design.BackStitchList) {
        TColorInfo& info = entry(s.Color);
        const int n = stitchLength(s.FromPoint, s.ToPoint);
        info.colorCount += n;
        info.backStitchesCount += n;
    }
    for (const TFrenchKnot& k : design.FrenchKnotList)
        ++entry(k.Color).colorCount;
    for (const TRhodeRef& r : design.RhodeList) {
        TColorInfo& info = entry(r->color);
        for (const TBackStitch& s : r->stitches) {
            const int n = stitchLength(s.FromPoint, s.ToPoint);
            info.colorCount += n;
            info.backStitchesCount += n;
        }
    }
    for (const auto& [color, info] : doc.Colors) {
        if (info.colorCount >= 1) {
            colorBecameUsed(design, color);
        } else if (doc.chars) {
            doc.chars->clearColor(color);
        }
    }
    design.listener().colorListChanged();
    return added;
}
