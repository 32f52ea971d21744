#pragma once
#include "editing/CellCapture.h"
#include "editing/RemovedItem.h"
#include "editing/tools/Tool.h"
#include "model/TRhode.h"
#include "model/UTypes.h"
#include <QList>

class Design;

// The eraser (modErase). A press takes out, among the items whose drawing meets a box of 5 x 5
// screen pixels around the pointer, the last back stitch and the last rhode (while back
// stitches are shown) and the last french knot, then empties the quarters and the full stitches
// under the pen footprint. Moves with the button held empty quarters and full stitches and take
// out at most one back stitch each; rhodes and knots are only taken by a press. Everything
// emptied is recorded once with its value from before the gesture, and the items with their
// positions at the moment they went; release (or cancel) hands that to the history as one erase
// record and lets go of it, so the tool keeps nothing between gestures. A gesture that erased
// nothing records nothing.
class EraserTool : public Tool
{
public:
    ToolFeedback press(ToolContext& context, const ToolPointer& pointer) override;
    ToolFeedback move(ToolContext& context, const ToolPointer& pointer) override;
    ToolFeedback release(ToolContext& context, const ToolPointer& pointer) override;
    void cancel(ToolContext& context) override;
    void reset() override;

    // True while the tool holds nothing of a gesture (tests check that it lets go).
    bool holdsNothing() const;

private:
    // The hit box: 5 x 5 design pixels centred on the pointer.
    static QRect hitBox(const ToolPointer& pointer);
    bool takeBackStitch(Design& design, const ToolPointer& pointer);
    bool takeRhode(Design& design, const ToolPointer& pointer);
    bool takeFrenchKnot(Design& design, const ToolPointer& pointer);
    bool emptyQuarters(Design& design, const ToolPointer& pointer, int size);
    bool emptyCells(Design& design, const QPoint& centre, int size);
    void finish(ToolContext& context);
    void clear();

    CellCapture m_cross;
    CellCapture m_quarters;
    QList<RemovedItem<TBackStitch>> m_backStitches;
    QList<RemovedItem<TRhodeRef>> m_rhodes;
    QList<RemovedItem<TFrenchKnot>> m_knots;
    QPoint m_lastCell;
};
