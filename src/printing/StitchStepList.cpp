#include "StitchStepList.h"
#include "model/Design.h"
#include <QHash>

namespace {
// What every run of one colour repeats: its name, symbol and text colour.
struct RunColor
{
    QString name;
    QString symbol;
    TColor32 symbolColor = 0;
};

RunColor runColor(const Design& design, TColorRef color)
{
    RunColor c;
    c.symbolColor = lightnessOf(color) > 128 ? 0xFF000000u : 0xFFFFFFFFu;
    if (const TColorInfo* info = design.stitch.Colors.find(color)) {
        c.name = info->colorName;
        if (design.stitch.chars) {
            if (const auto symbol = design.stitch.chars->symbolOf(info->charID))
                c.symbol = QString(*symbol);
        }
    }
    return c;
}

// The number of runs, so that the list is allocated once.
qsizetype runCount(const Design& design)
{
    qsizetype runs = 0;
    for (int y = 0; y < design.height(); ++y) {
        const TColor32* row = design.CrossLayer.constScanLine(y);
        runs += design.width() > 0 ? 1 : 0;
        for (int x = 1; x < design.width(); ++x)
            runs += row[x] != row[x - 1] ? 1 : 0;
    }
    return runs;
}
} // namespace

QList<TStitchListItem> StitchStepList::build(const Design& design)
{
    const TColor32 background = design.stitch.BackGroundColor;
    QHash<TColor32, RunColor> known;
    QList<TStitchListItem> items;
    items.reserve(runCount(design));
    const int width = design.width();
    for (int y = 0; y < design.height(); ++y) {
        const TColor32* row = design.CrossLayer.constScanLine(y);
        for (int x = 0; x < width;) {
            const TColor32 stored = row[x];
            int end = x + 1;
            while (end < width && row[end] == stored)
                ++end;
            TStitchListItem item;
            item.Row = y + 1;
            item.Count = end - x;
            item.Color = colorRefFromColor32(stored);
            item.isBackgroud = stored == background;
            if (!item.isBackgroud) {
                auto it = known.constFind(stored);
                if (it == known.constEnd())
                    it = known.insert(stored, runColor(design, item.Color));
                item.ColorName = it->name;
                item.Symbol = it->symbol;
                item.SymbolColor = it->symbolColor;
            }
            items.append(std::move(item));
            x = end;
        }
    }
    return items;
}
