#pragma once
#include "editing/CellCapture.h"
#include "editing/RemovedItem.h"
#include "editing/tools/FreehandTool.h"
#include "model/TRhode.h"
#include "model/UTypes.h"
#include <QList>

class Design;

// The eraser (modErase), a freehand tool. A press takes out, among the items whose drawing meets
// a box of 5 x 5 screen pixels around the pointer, the last back stitch and the last rhode
// (while back stitches are shown) and the last french knot, then empties the quarters and the
// full stitches under the pen footprint. A move with the button held walks the segment from the
// previous pointer position: around every quarter of it that holds a stitch it empties the
// footprint's quarters, around every cell of it the footprint's full stitches; it takes out at
// most one back stitch, at the pointer. Rhodes and knots are only taken by a press. Everything
// emptied is recorded once with its value from before the gesture, and the items with their
// positions at the moment they went; release (or cancel) hands that to the history as one erase
// record and lets go of it, so the tool keeps nothing between gestures. A gesture that erased
// nothing records nothing.
class EraserTool : public FreehandTool
{
public:
    // True while the tool holds nothing of a gesture (tests check that it lets go).
    bool holdsNothing() const;

private:
    ToolFeedback startStroke(ToolContext& context, const ToolPointer& at) override;
    ToolFeedback continueStroke(ToolContext& context, const ToolPointer& from, const ToolPointer& to) override;
    void recordStroke(ToolContext& context) override;
    void forgetStroke() override;

    // The hit box: 5 x 5 design pixels centred on the pointer.
    static QRect hitBox(const ToolPointer& pointer);
    bool takeBackStitch(Design& design, const ToolPointer& pointer);
    bool takeRhode(Design& design, const ToolPointer& pointer);
    bool takeFrenchKnot(Design& design, const ToolPointer& pointer);
    bool emptyQuarters(Design& design, const QPoint& centre, int size);
    bool emptyCells(Design& design, const QPoint& centre, int size);
    bool emptyFootprint(Design& design, const QPoint& centre, int size, bool quarters);

    CellCapture m_cross;
    CellCapture m_quarters;
    QList<RemovedItem<TBackStitch>> m_backStitches;
    QList<RemovedItem<TRhodeRef>> m_rhodes;
    QList<RemovedItem<TFrenchKnot>> m_knots;
};
