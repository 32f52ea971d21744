#pragma once
#include "editing/CellCapture.h"
#include "imaging/TBitmap32.h"
#include "editing/RemovedItem.h"
#include "editing/TInsertType.h"
#include "editing/TMode.h"
#include "imaging/ColorValues.h"
#include "model/TRhode.h"
#include "model/UTypes.h"
#include <QList>
#include <QPoint>
#include <QString>

class ClipboardBuffer;
class Design;

// The history's factories, one per record class. Each takes what its record captures, drops
// whatever could still be redone, builds the record and appends it to design.History. Records
// copy what they are given (cell maps into their compact frozen form); the caller keeps its own
// and clears it for the next gesture.
//
// Records made after the fact (draw, erase, fill, outline, replace colour, back stitch, knot,
// rhode, background) expect the change to be in the design already. Records that make the
// change themselves (palette, reduction, line, insertion, size) make it here. A factory that would record no
// change records nothing and answers false.
namespace HistoryFactories {
// A pen (modDraw) or quarter pen (modQDraw) stroke; see TDrawAction.
bool actionDraw(Design& design, TMode mode, const CellCapture& arrCross, const CellCapture& arrCrossFromQuarter,
    TColor32 backcolor, const CellCapture& arrQuarter, TColorRef NewColor);
void actionDrawBackStitch(Design& design, const TBackStitch& BackStitch);
void actionDrawRhode(Design& design, const TRhode& Rhode);
void actionDrawFrenchKnot(Design& design, const TFrenchKnot& FrenchKnot);
// The eraser's gesture; the removed items in the order they were taken out.
bool actionErase(Design& design, const CellCapture& CrossArray, const CellCapture& QuarterArray, TColor32 color,
    const QList<RemovedItem<TFrenchKnot>>& FrenchKnotArray, const QList<RemovedItem<TRhodeRef>>& RhodeArray,
    const QList<RemovedItem<TBackStitch>>& BackArray);
void actionFill(Design& design, const QList<QPoint>& arr, TColorRef OldColor, TColor32 backcolor,
    const CellCapture& QuarterArray, TColorRef NewColor);
void actionOutline(Design& design, const QList<TBackStitch>& arr, TColorRef NewColor);
// arrBack: positions in BackStitchList of the back stitches that were recoloured.
void actionReplaceColor(Design& design, const QList<QPoint>& arr, const QList<int>& arrBack, TColorRef NewColor,
    TColorRef OldColor);
void actionChangebackgroundColor(Design& design, const QList<QPoint>& arr, const QList<QPoint>& arrQuarter,
    TColor32 NewColor, TColor32 OldColor);
// False, with nothing changed, for a palette that is not loaded or has no colours.
bool actionChangePalette(Design& design, const QString& newPalette);
// False, with nothing changed, when no more colours are in use than newCount (at least 1).
bool actionReduceColors(Design& design, int newCount);
// Positions outside the design are dropped. False, with nothing changed, when every listed cell
// already holds NewColor and none of them has a quarter.
bool actionLine(Design& design, const QList<QPoint>& points, TColorRef NewColor);
// False, with nothing changed, when the grown design would pass the size limits.
bool actionInsert(Design& design, int Position, TInsertType InsertType, int Count);
// False, with nothing changed, for a size beyond the limits or the design's own size.
bool actionChangeDimensions(Design& design, int newWidth, int newHeight);
// A cut already made: the cut cells and quarters (pixel (0, 0) at cell Topleft), the removed
// items with their positions, in the order they went. False, with nothing recorded, when the
// cut took nothing.
bool actionCut(Design& design, const QPoint& Topleft, TColor32 BackGroundColor,
    const QList<RemovedItem<TFrenchKnot>>& FrenchKnots, const QList<RemovedItem<TRhodeRef>>& Rhodes,
    const QList<RemovedItem<TBackStitch>>& BackStitches, const TBitmap32& QSBitmap, const TBitmap32& bitmap);
// Merges the buffer's content at cell Topleft (see TFixAction). False, with nothing changed,
// when the merge would change nothing.
bool actionFix(Design& design, const QPoint& Topleft, const ClipboardBuffer& buffer);
} // namespace HistoryFactories
