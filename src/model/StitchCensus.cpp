#include "model/StitchCensus.h"
#include "imaging/ColorKeyTable.h"
#include "model/Design.h"
#include <QHash>
#include <algorithm>

StitchCensus::StitchCensus(const Design& design)
{
    ColorKeyTable<int> full(kNoLayerPixel, 512);
    const TColor32 background = design.stitch.BackGroundColor;
    for (int y = 0; y < design.height(); ++y) {
        const TColor32* line = design.CrossLayer.constScanLine(y);
        for (int x = 0; x < design.width(); ++x) {
            if (line[x] != background)
                ++*full.insert(line[x]);
        }
    }
    QHash<TColorRef, int> knots;
    for (const TFrenchKnot& k : design.FrenchKnotList)
        ++knots[k.Color];
    for (const auto& [color, info] : design.stitch.Colors) {
        if (info.colorCount < 1)
            continue;
        const int* cells = full.find(stitchPixel(color));
        m_lines.append({color, info, cells ? *cells : 0, knots.value(color)});
    }
    std::stable_sort(m_lines.begin(), m_lines.end(),
        [](const Line& a, const Line& b) { return a.info.orderID < b.info.orderID; });
}
