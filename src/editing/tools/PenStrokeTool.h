#pragma once
#include "editing/StrokeCapture.h"
#include "editing/TMode.h"
#include "editing/tools/FreehandTool.h"

class CellCoexistence;

// The freehand tools that draw: the pen (full stitches, cell grid) and the quarter pen (quarter
// grid). A press starts a stroke in the colour drawn at that moment and writes the pen footprint
// around the position under the pointer, if that lies on the design; a move writes the
// footprint around every position of the segment from the previous pointer position, also the
// part of it that is on the design when the position is just past an edge, skipping the
// positions the stroke already wrote. Each position is recorded once, with its value from
// before the stroke, together with what the coexistence rule emptied and the cells four
// quarters merged into; release (or cancel) hands that to the history as one draw record. A
// stroke that changed nothing records nothing.
class PenStrokeTool : public FreehandTool
{
public:
    // The stroke in progress (empty between strokes).
    const StrokeCapture& stroke() const { return m_stroke; }

protected:
    // Full stitches in the cell grid, quarter stitches in the quarter grid.
    PenStrokeTool(TMode mode, ToolGrid grid) : m_mode(mode), m_grid(grid) {}

private:
    ToolFeedback startStroke(ToolContext& context, const ToolPointer& at) override;
    ToolFeedback continueStroke(ToolContext& context, const ToolPointer& from, const ToolPointer& to) override;
    void recordStroke(ToolContext& context) override;
    void forgetStroke() override { m_stroke.clear(); }
    void paintFootprint(ToolContext& context, const QPoint& centre, bool skipTouched);
    // Writes one footprint position unless it lies off the design or, when `skipTouched`, the
    // stroke already wrote it.
    void paint(const CellCoexistence& rule, const QPoint& position, bool skipTouched);

    StrokeCapture m_stroke;
    TColorRef m_color = 0;
    TMode m_mode;
    ToolGrid m_grid;
};
