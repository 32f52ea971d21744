// The stitch primitives' bulk forms, for records that take many cells and items away at once.
#include "editing/CellValues.h"
#include "editing/ListSurgery.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"
#include "model/DesignListener.h"
#include <QHash>
#include <QRect>
#include <algorithm>

namespace {
// Calls `count(colour, n)` once for each colour of the cells, in the order the colours first
// occur: one colour-table look-up per colour rather than per cell.
template <typename Count>
void byColour(const CellValues& cells, Count count)
{
    QList<TColorRef> order;
    QHash<TColorRef, int> counts;
    TColorRef last = 0;
    int* lastCount = nullptr;
    for (const CellValues::Entry& e : cells) {
        if (!lastCount || e.value != last) {
            last = e.value;
            auto it = counts.find(last);
            if (it == counts.end()) {
                order.append(last);
                it = counts.insert(last, 0);
            }
            lastCount = &it.value();
        }
        ++*lastCount;
    }
    for (TColorRef color : order)
        count(color, counts.value(color));
}

// The cells a list of points touches, as the listener's region: a quarter counts as its cell.
QRect cellBox(const QList<QPoint>& points, bool quarters)
{
    if (points.isEmpty())
        return {};
    int left = points.front().x(), right = left, top = points.front().y(), bottom = top;
    for (const QPoint& p : points) {
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    const int shift = quarters ? 1 : 0;
    return QRect(QPoint(left >> shift, top >> shift), QPoint(right >> shift, bottom >> shift));
}
} // namespace

void StitchOperations::changeQuarters(TColorRef color, int delta)
{
    TColorInfo& info = entry(color);
    int units = 0;
    for (int i = 0; i < std::abs(delta); ++i) {
        if (delta > 0)
            units += ++info.quarterStitchesCount % 2 != 0 ? 1 : 0;
        else
            units -= --info.quarterStitchesCount % 2 == 0 ? 1 : 0;
    }
    changeCount(color, units, false);
}

void StitchOperations::changeCells(TColorRef color, int delta, bool quarters)
{
    if (quarters)
        changeQuarters(color, delta);
    else
        changeCount(color, delta, false);
}

void StitchOperations::uncountCells(const CellValues& cells, bool quarters)
{
    byColour(cells, [&](TColorRef color, int n) { changeCells(color, -n, quarters); });
}

void StitchOperations::restoreCells(const CellValues& cells, bool quarters)
{
    TBitmap32& layer = quarters ? m_design.QuarterLayer : m_design.CrossLayer;
    TColor32* row = nullptr;
    int rowY = -1;
    for (const CellValues::Entry& e : cells) {
        if (e.y != rowY) {
            rowY = e.y;
            row = layer.scanLine(rowY);
        }
        row[e.x] = stitchPixel(e.value);
    }
    byColour(cells, [&](TColorRef color, int n) { changeCells(color, n, quarters); });
}


void StitchOperations::recolorCells(const QList<QPoint>& cells, TColorRef from, TColorRef to, bool quarters)
{
    TBitmap32& layer = quarters ? m_design.QuarterLayer : m_design.CrossLayer;
    const bool empties = to == background();
    const TColor32 value = empties ? background() : stitchPixel(to);
    layer.setPixels(cells, value);
    const int n = int(cells.size());
    changeCells(from, -n, quarters);
    if (!empties)
        changeCells(to, n, quarters);
    if (n > 0)
        m_design.listener().cellsChanged(cellBox(cells, quarters));
    finish(false);
}

void StitchOperations::backStitchesDeleteAll(const QList<RemovedItem<TBackStitch>>& removed)
{
    for (const auto& r : removed)
        addBackStitchUnits(r.item.Color, r.item, -1);
    ListSurgery::remove(m_design.BackStitchList, removed);
    m_design.listener().backStitchesChanged();
}

void StitchOperations::backStitchesInsertAll(const QList<RemovedItem<TBackStitch>>& removed)
{
    for (const auto& r : removed)
        addBackStitchUnits(r.item.Color, r.item, 1);
    ListSurgery::restore(m_design.BackStitchList, removed);
    m_design.listener().backStitchesChanged();
}

void StitchOperations::frenchKnotsDeleteAll(const QList<RemovedItem<TFrenchKnot>>& removed)
{
    for (const auto& r : removed)
        changeCount(r.item.Color, -kFrenchKnotWeight, true);
    ListSurgery::remove(m_design.FrenchKnotList, removed);
    m_design.listener().frenchKnotsChanged();
}

void StitchOperations::frenchKnotsInsertAll(const QList<RemovedItem<TFrenchKnot>>& removed)
{
    for (const auto& r : removed)
        changeCount(r.item.Color, kFrenchKnotWeight, true);
    ListSurgery::restore(m_design.FrenchKnotList, removed);
    m_design.listener().frenchKnotsChanged();
}

void StitchOperations::RhodesDeleteAll(const QList<RemovedItem<TRhodeRef>>& removed)
{
    for (const auto& r : removed)
        addRhodeUnits(*r.item, -1);
    ListSurgery::remove(m_design.RhodeList, removed);
    m_design.listener().rhodesChanged();
}

void StitchOperations::RhodesInsertAll(const QList<RemovedItem<TRhodeRef>>& removed)
{
    for (const auto& r : removed)
        addRhodeUnits(*r.item, 1);
    ListSurgery::restore(m_design.RhodeList, removed);
    m_design.listener().rhodesChanged();
}
