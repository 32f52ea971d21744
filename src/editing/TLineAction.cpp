#include "editing/TLineAction.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"
#include <algorithm>
#include <climits>
#include <vector>

bool TLineAction::Before::changes(TColorRef color) const
{
    if (!quarters.isEmpty())
        return true;
    return std::any_of(cells.begin(), cells.end(), [color](const CellValues::Entry& e) { return e.value != color; });
}

// The listed cells are marked in a box of flags around them and read back row by row: a list
// of a million cells is recorded in linear time, already in the order the record keeps.
TLineAction::Before TLineAction::capture(Design& design, const QList<QPoint>& points)
{
    StitchOperations ops(design);
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (const QPoint& p : points) {
        if (!ops.hasCell(p.x(), p.y()))
            continue;
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    if (left > right)
        return {};
    const qsizetype width = right - left + 1;
    std::vector<quint8> listed(size_t(width * (bottom - top + 1)), 0);
    for (const QPoint& p : points) {
        if (ops.hasCell(p.x(), p.y()))
            listed[size_t((p.y() - top) * width + (p.x() - left))] = 1;
    }
    std::vector<CellValues::Entry> cells;
    std::vector<CellValues::Entry> quarters;
    size_t i = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            if (!listed[i++])
                continue;
            cells.push_back({x, y, ops.cellValue(x, y)});
            for (int q = 0; q < 4; ++q) {
                const int qx = 2 * x + q % 2;
                const int qy = 2 * y + q / 2;
                const TColorRef value = ops.quarterValue(qx, qy);
                if (value != ops.background())
                    quarters.push_back({qx, qy, value});
            }
        }
    }
    return {CellValues(std::move(cells)), CellValues(std::move(quarters))};
}

TLineAction::TLineAction(Design& design, Before before, TColorRef newColor)
    : TUndoAction(design)
    , fArrPoints(std::move(before.cells))
    , fArrQPoints(std::move(before.quarters))
    , fNewColor(newColor)
{
    draw();
}

void TLineAction::draw()
{
    StitchOperations ops(fdesign);
    for (const CellValues::Entry& e : fArrPoints)
        ops.updatePixel(e.x, e.y, false, fNewColor);
    for (const CellValues::Entry& e : fArrQPoints)
        ops.updateQPixel(e.x, e.y, false, ops.background());
}

void TLineAction::onExecute()
{
    draw();
}

void TLineAction::onUndo()
{
    StitchOperations ops(fdesign);
    for (const CellValues::Entry& e : fArrPoints)
        ops.updatePixel(e.x, e.y, false, e.value);
    for (const CellValues::Entry& e : fArrQPoints)
        ops.updateQPixel(e.x, e.y, false, e.value);
}

long long TLineAction::heldBytes() const
{
    return fArrPoints.heldBytes() + fArrQPoints.heldBytes();
}
