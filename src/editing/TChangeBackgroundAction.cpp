#include "editing/TChangeBackgroundAction.h"
#include "model/Design.h"
#include "model/DesignListener.h"

TChangeBackgroundAction::TChangeBackgroundAction(
    Design& design, QList<QPoint> arr, QList<QPoint> arrQuarter, TColor32 newColor, TColor32 oldColor)
    : TUndoAction(design)
    , fArr(std::move(arr))
    , fArrQuarter(std::move(arrQuarter))
    , fNewColor(newColor)
    , fOldColor(oldColor)
{
}

void TChangeBackgroundAction::apply(Design& design, const QList<QPoint>& cells, const QList<QPoint>& quarters, TColor32 value)
{
    for (const QPoint& p : cells)
        design.CrossLayer.setPixel(p.x(), p.y(), value);
    for (const QPoint& p : quarters)
        design.QuarterLayer.setPixel(p.x(), p.y(), value);
    design.stitch.BackGroundColor = value;
    design.listener().colorCountsChanged();
    design.listener().backgroundChanged();
}

void TChangeBackgroundAction::onUndo()
{
    apply(fdesign, fArr, fArrQuarter, fOldColor);
}

void TChangeBackgroundAction::onExecute()
{
    apply(fdesign, fArr, fArrQuarter, fNewColor);
}

long long TChangeBackgroundAction::heldBytes() const
{
    return (fArr.capacity() + fArrQuarter.capacity()) * qsizetype(sizeof(QPoint));
}
