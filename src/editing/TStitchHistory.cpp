// The document operations whose only purpose is to make an undo record: they live beside the
// records they make.
#include "editing/HistoryFactories.h"
#include "editing/TChangeBackgroundAction.h"
#include "model/Design.h"

namespace {
QList<QPoint> emptyCells(const TBitmap32& layer, TColor32 background)
{
    QList<QPoint> cells;
    for (int y = 0; y < layer.height(); ++y) {
        const TColor32* line = layer.constScanLine(y);
        for (int x = 0; x < layer.width(); ++x) {
            if (line[x] == background)
                cells.append(QPoint(x, y));
        }
    }
    return cells;
}
} // namespace

void TStitch::changeBackgroundColor(TColorRef color)
{
    Design& d = design();
    const TColor32 value = color32FromColorRef(color);
    const TColor32 old = BackGroundColor;
    if (value == old)
        return;
    const QList<QPoint> cells = emptyCells(d.CrossLayer, old);
    const QList<QPoint> quarters = emptyCells(d.QuarterLayer, old);
    TChangeBackgroundAction::apply(d, cells, quarters, value);
    HistoryFactories::actionChangebackgroundColor(d, cells, quarters, value, old);
}

void TStitch::changePalette(const QString& key)
{
    HistoryFactories::actionChangePalette(design(), key);
}

void TStitch::reduceColors(int newCount)
{
    HistoryFactories::actionReduceColors(design(), newCount);
}
