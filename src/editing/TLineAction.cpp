#include "editing/TLineAction.h"
#include "editing/CellCapture.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"

TLineAction::TLineAction(Design& design, const QList<QPoint>& points, TColorRef newColor)
    : TUndoAction(design)
    , fNewColor(newColor)
{
    StitchOperations ops(design);
    CellCapture cells;
    CellCapture quarters;
    for (const QPoint& p : points) {
        const bool inside = ops.hasCell(p.x(), p.y());
        if (!cells.record(p, inside ? ops.cellValue(p.x(), p.y()) : ops.background()) || !inside)
            continue;
        for (int q = 0; q < 4; ++q) {
            const QPoint quarter(2 * p.x() + q % 2, 2 * p.y() + q / 2);
            const TColorRef value = ops.quarterValue(quarter.x(), quarter.y());
            if (value != ops.background())
                quarters.record(quarter, value);
        }
    }
    fArrPoints = cells.frozen();
    fArrQPoints = quarters.frozen();
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
