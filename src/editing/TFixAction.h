#pragma once
#include "imaging/TBitmap32.h"
#include "model/TRhode.h"
#include "model/TUndoAction.h"
#include "model/UTypes.h"
#include <QList>
#include <QPoint>

class ClipboardBuffer;

// Floating content merged into the design at fTopLeft (a cell that may lie outside it). The
// record makes the change when it is built:
// - the buffer's back stitches, rhodes and knots are translated by 2 x fTopLeft and added, each
//   only when all its points lie on the design's half-cell grid; the record keeps the added
//   ones with their new positions (rhodes as clones of their own);
// - every non-empty buffer cell on the design is written and empties that cell's quarters; then
//   every non-empty buffer quarter on the design is written and empties its cell's full stitch,
//   so where the buffer holds both, the quarters win.
// fOldBitmap and fOldQBitmap keep the design's cells and quarters under the content before it,
// empty where the content lies outside the design; Undo writes them back on the design's part
// only and takes the added items out, each list from its last item to its first.
class TFixAction : public TUndoAction
{
public:
    TFixAction(Design& design, const QPoint& topLeft, const ClipboardBuffer& buffer);

    // Whether merging `buffer` at `topLeft` would change anything in the design.
    static bool wouldChange(const Design& design, const QPoint& topLeft, const ClipboardBuffer& buffer);

    long long heldBytes() const override;

private:
    void onExecute() override;
    void onUndo() override;
    void addItems();
    void writeNewCells();

    QPoint fTopLeft;
    TColor32 fNewBackGround;
    TBitmap32 fOldBitmap;
    TBitmap32 fNewBitmap;
    TBitmap32 fOldQBitmap;
    TBitmap32 fNewQBitmap;
    QList<TBackStitch> fBackStitches;
    QList<TRhodeRef> fRhodes;
    QList<TFrenchKnot> fFrenchKnots;
};
