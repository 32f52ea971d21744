#include "editing/HistoryFactories.h"
#include "editing/ClipboardBuffer.h"
#include "editing/TChangeBackgroundAction.h"
#include "editing/TCutAction.h"
#include "editing/TChangeDimensionsAction.h"
#include "editing/TChangePaletteAction.h"
#include "editing/TDrawAction.h"
#include "editing/TDrawBackStitchAction.h"
#include "editing/TDrawFrenchKnotAction.h"
#include "editing/TDrawRhodeAction.h"
#include "editing/TEraseAction.h"
#include "editing/TFillAction.h"
#include "editing/TFixAction.h"
#include "editing/TInsertAction.h"
#include "editing/TLineAction.h"
#include "editing/TOutlineAction.h"
#include "editing/TReduceColorsAction.h"
#include "editing/TReplaceColorAction.h"
#include "model/ChangeBatch.h"
#include "model/Design.h"

namespace {
// Redoable records go before a new record is built, so a record that makes its change finds
// no stale ones beside it. A record that makes its change does so inside one batch, which the
// listener hears of before the history's buttons change.
template <typename Record, typename... Args>
void record(Design& design, Args&&... args)
{
    if (design.History.canRedo())
        design.History.ClearUndoAfterPosition();
    std::unique_ptr<TUndoAction> made;
    {
        ChangeBatch batch(design);
        made = std::make_unique<Record>(design, std::forward<Args>(args)...);
    }
    design.History.add(std::move(made));
}
} // namespace

bool HistoryFactories::actionDraw(Design& design, TMode mode, const CellCapture& arrCross,
    const CellCapture& arrCrossFromQuarter, TColor32 backcolor, const CellCapture& arrQuarter, TColorRef NewColor)
{
    if (arrCross.isEmpty() && arrQuarter.isEmpty() && arrCrossFromQuarter.isEmpty())
        return false;
    record<TDrawAction>(design, mode, arrCross.frozen(), arrCrossFromQuarter.frozen(), backcolor,
        arrQuarter.frozen(), NewColor);
    return true;
}

void HistoryFactories::actionDrawBackStitch(Design& design, const TBackStitch& BackStitch)
{
    record<TDrawBackStitchAction>(design, BackStitch);
}

void HistoryFactories::actionDrawRhode(Design& design, const TRhode& Rhode)
{
    record<TDrawRhodeAction>(design, Rhode);
}

void HistoryFactories::actionDrawFrenchKnot(Design& design, const TFrenchKnot& FrenchKnot)
{
    record<TDrawFrenchKnotAction>(design, FrenchKnot);
}

bool HistoryFactories::actionErase(Design& design, const CellCapture& CrossArray, const CellCapture& QuarterArray,
    TColor32 color, const QList<RemovedItem<TFrenchKnot>>& FrenchKnotArray,
    const QList<RemovedItem<TRhodeRef>>& RhodeArray, const QList<RemovedItem<TBackStitch>>& BackArray)
{
    if (CrossArray.isEmpty() && QuarterArray.isEmpty() && FrenchKnotArray.isEmpty() && RhodeArray.isEmpty()
        && BackArray.isEmpty())
        return false;
    record<TEraseAction>(design, CrossArray.frozen(), QuarterArray.frozen(), color, FrenchKnotArray, RhodeArray,
        BackArray);
    return true;
}

void HistoryFactories::actionFill(Design& design, const QList<QPoint>& arr, TColorRef OldColor, TColor32 backcolor,
    const CellCapture& QuarterArray, TColorRef NewColor)
{
    record<TFillAction>(design, arr, OldColor, backcolor, QuarterArray.frozen(), NewColor);
}

void HistoryFactories::actionOutline(Design& design, const QList<TBackStitch>& arr, TColorRef NewColor)
{
    record<TOutlineAction>(design, arr, NewColor);
}

void HistoryFactories::actionReplaceColor(
    Design& design, const QList<QPoint>& arr, const QList<int>& arrBack, TColorRef NewColor, TColorRef OldColor)
{
    record<TReplaceColorAction>(design, arr, arrBack, NewColor, OldColor);
}

void HistoryFactories::actionChangebackgroundColor(Design& design, const QList<QPoint>& arr,
    const QList<QPoint>& arrQuarter, TColor32 NewColor, TColor32 OldColor)
{
    record<TChangeBackgroundAction>(design, arr, arrQuarter, NewColor, OldColor);
}

bool HistoryFactories::actionChangePalette(Design& design, const QString& newPalette)
{
    if (!TChangePaletteAction::canChange(design, newPalette))
        return false;
    record<TChangePaletteAction>(design, newPalette);
    return true;
}

bool HistoryFactories::actionReduceColors(Design& design, int newCount)
{
    if (TReduceColorsAction::replacedColors(design, newCount).isEmpty())
        return false;
    record<TReduceColorsAction>(design, newCount);
    return true;
}

bool HistoryFactories::actionLine(Design& design, const QList<QPoint>& points, TColorRef NewColor)
{
    TLineAction::Before before = TLineAction::capture(design, points);
    if (!before.changes(NewColor))
        return false;
    record<TLineAction>(design, std::move(before), NewColor);
    return true;
}

bool HistoryFactories::actionInsert(Design& design, int Position, TInsertType InsertType, int Count)
{
    if (!TInsertAction::canInsert(design, InsertType, Count))
        return false;
    record<TInsertAction>(design, Position, InsertType, Count);
    return true;
}

bool HistoryFactories::actionChangeDimensions(Design& design, int newWidth, int newHeight)
{
    if (!TChangeDimensionsAction::canChange(design, newWidth, newHeight))
        return false;
    record<TChangeDimensionsAction>(design, newWidth, newHeight);
    return true;
}

bool HistoryFactories::actionCut(Design& design, const QPoint& Topleft, TColor32 BackGroundColor,
    const QList<RemovedItem<TFrenchKnot>>& FrenchKnots, const QList<RemovedItem<TRhodeRef>>& Rhodes,
    const QList<RemovedItem<TBackStitch>>& BackStitches, const TBitmap32& QSBitmap, const TBitmap32& bitmap)
{
    const auto holdsStitch = [BackGroundColor](const TBitmap32& layer) {
        for (int y = 0; y < layer.height(); ++y) {
            const TColor32* line = layer.constScanLine(y);
            if (std::any_of(line, line + layer.width(), [BackGroundColor](TColor32 v) { return v != BackGroundColor; }))
                return true;
        }
        return false;
    };
    if (FrenchKnots.isEmpty() && Rhodes.isEmpty() && BackStitches.isEmpty() && !holdsStitch(bitmap)
        && !holdsStitch(QSBitmap))
        return false;
    record<TCutAction>(design, Topleft, BackGroundColor, bitmap, QSBitmap, BackStitches, Rhodes, FrenchKnots);
    return true;
}

bool HistoryFactories::actionFix(Design& design, const QPoint& Topleft, const ClipboardBuffer& buffer)
{
    if (!buffer.hasRaster() || !TFixAction::wouldChange(design, Topleft, buffer))
        return false;
    record<TFixAction>(design, Topleft, buffer);
    return true;
}
