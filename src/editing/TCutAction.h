#pragma once
#include "editing/RemovedItem.h"
#include "imaging/TBitmap32.h"
#include "model/TRhode.h"
#include "model/TUndoAction.h"
#include "model/UTypes.h"
#include <QList>
#include <QPoint>

// A cut, recorded after the selection's content was taken out of the design. fBitmap and
// fQBitmap are the cut cells and quarters as they were (fTopLeft is the cell of their pixel
// (0, 0), which may lie outside the design); the lists hold the taken back stitches, rhodes and
// knots with their positions at the moment they went, in the order they went (the last of the
// list first). The rhodes are the very objects the design held.
//
// Execute empties the cells and quarters again and takes the items out in recorded order; Undo
// writes the non-empty cells and quarters back and puts every item back from the last to the
// first, so every position is valid again.
class TCutAction : public TUndoAction
{
public:
    TCutAction(Design& design, const QPoint& topLeft, TColor32 backGroundColor, TBitmap32 bitmap, TBitmap32 qBitmap,
        QList<RemovedItem<TBackStitch>> backStitches, QList<RemovedItem<TRhodeRef>> rhodes,
        QList<RemovedItem<TFrenchKnot>> frenchKnots);

    long long heldBytes() const override;

private:
    void onExecute() override;
    void onUndo() override;
    // Writes every non-empty cell and quarter of the copies at its place: `value` itself, or its
    // stitch when `value` is null.
    void writeCells(const TColor32* value);

    QPoint fTopLeft;
    TColor32 fBackGroundColor;
    TBitmap32 fBitmap;
    TBitmap32 fQBitmap;
    QList<RemovedItem<TBackStitch>> fBackStitches;
    QList<RemovedItem<TRhodeRef>> fRhodes;
    QList<RemovedItem<TFrenchKnot>> fFrenchKnots;
};
