#pragma once
#include "editing/StrokeCapture.h"
#include "editing/TMode.h"
#include "editing/tools/Tool.h"

class CellCoexistence;

// The freehand tools that draw: the pen (full stitches) and the quarter pen. A press starts a
// stroke in the colour drawn at that moment and writes the pen footprint around the position
// under the pointer, if that lies on the design; every move with the button held writes the
// footprint again, also the part of it that is on the design when the pointer is just past an
// edge, skipping the positions the stroke already wrote. Each position is recorded once, with
// its value from before the stroke, together with what the coexistence rule emptied and the
// cells four quarters merged into; release (or cancel) hands that to the history as one draw
// record. A stroke that changed nothing records nothing.
class PenStrokeTool : public Tool
{
public:
    ToolFeedback press(ToolContext& context, const ToolPointer& pointer) override;
    ToolFeedback move(ToolContext& context, const ToolPointer& pointer) override;
    ToolFeedback release(ToolContext& context, const ToolPointer& pointer) override;
    void cancel(ToolContext& context) override;
    void reset() override;

    // The stroke in progress (empty between strokes).
    const StrokeCapture& stroke() const { return m_stroke; }

protected:
    virtual TMode mode() const = 0;
    // The centre of the footprint in the tool's grid, and whether it lies on the design.
    virtual QPoint centreOf(const ToolPointer& pointer) const = 0;
    virtual bool centreInside(const ToolPointer& pointer) const = 0;
    // Writes one footprint position unless it lies off the design or, when `skipTouched`, the
    // stroke already wrote it.
    virtual void paint(const CellCoexistence& rule, const QPoint& position, bool skipTouched) = 0;

    StrokeCapture m_stroke;
    TColorRef m_color = 0;

private:
    void paintFootprint(ToolContext& context, const QPoint& centre, bool skipTouched);
    void finish(ToolContext& context);
};
