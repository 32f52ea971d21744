#include "editing/TDrawAction.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"

namespace {
void writeCells(StitchOperations& ops, const CellValues& cells, const TColorRef* value)
{
    for (const CellValues::Entry& e : cells)
        ops.updatePixel(e.x, e.y, false, value ? *value : e.value);
}

void writeQuarters(StitchOperations& ops, const CellValues& quarters, const TColorRef* value)
{
    for (const CellValues::Entry& e : quarters)
        ops.updateQPixel(e.x, e.y, false, value ? *value : e.value);
}
} // namespace

TDrawAction::TDrawAction(Design& design, TMode mode, CellValues arrCross, CellValues arrCrossFromQuarter,
    TColor32 backColor, CellValues arrQuarter, TColorRef newColor)
    : TUndoAction(design)
    , fArrCross(std::move(arrCross))
    , fArrQuarter(std::move(arrQuarter))
    , fArrCrossFromQuarter(std::move(arrCrossFromQuarter))
    , fNewColor(newColor)
    , fBackColor(backColor)
    , fMode(mode)
{
}

void TDrawAction::onExecute()
{
    StitchOperations ops(fdesign);
    if (fMode == modQDraw) {
        writeCells(ops, fArrCross, &fBackColor);
        for (const CellValues::Entry& e : fArrQuarter) {
            const bool merged = fArrCrossFromQuarter.contains(QPoint(e.x / 2, e.y / 2));
            ops.updateQPixel(e.x, e.y, false, merged ? fBackColor : fNewColor);
        }
        writeCells(ops, fArrCrossFromQuarter, &fNewColor);
    } else {
        writeCells(ops, fArrCross, &fNewColor);
        writeQuarters(ops, fArrQuarter, &fBackColor);
    }
}

void TDrawAction::onUndo()
{
    StitchOperations ops(fdesign);
    if (fMode == modQDraw) {
        writeCells(ops, fArrCrossFromQuarter, nullptr);
        writeQuarters(ops, fArrQuarter, nullptr);
        writeCells(ops, fArrCross, nullptr);
    } else {
        writeCells(ops, fArrCross, nullptr);
        writeQuarters(ops, fArrQuarter, nullptr);
    }
}

long long TDrawAction::heldBytes() const
{
    return fArrCross.heldBytes() + fArrQuarter.heldBytes() + fArrCrossFromQuarter.heldBytes();
}
