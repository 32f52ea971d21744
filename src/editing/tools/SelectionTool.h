#pragma once
#include "editing/RubberResize.h"
#include "editing/TRect.h"
#include "editing/tools/Tool.h"
#include <optional>

// The selection tool (modSelection). A press on one of the frame's handles resizes the frame, a
// press inside it moves the frame (and the floating content with it), a press elsewhere pans
// the view like the cursor tool. Every move of a drag hands the frame's dragged edges, snapped
// to cells, to the session's RubberResize; the view does not pan during such a drag. The tool
// never writes the design.
//
// Positions are design pixels (ToolPointer::designPixel) at the pointer's cell size: the frame
// covers (Left x CellWidth, Top x CellHeight) to (Right x CellWidth, Bottom x CellHeight), and
// its eight handles are kHandleSize pixels square, centred on its corners and edge middles.
class SelectionTool : public Tool
{
public:
    static constexpr int kHandleSize = 6;

    // What a press at `designPixel` would drag; nothing outside the frame and its handles.
    static std::optional<TDragKind> hitTest(const TRect& frame, const QSize& cell, const QPoint& designPixel);
    // The handle's square in design pixels.
    static QRect handleRect(const TRect& frame, const QSize& cell, TDragKind handle);

    void reset() override;

protected:
    ToolFeedback onPress(ToolContext& context, const ToolPointer& pointer) override;
    ToolFeedback onMove(ToolContext& context, const ToolPointer& pointer) override;
    ToolFeedback onRelease(ToolContext& context, const ToolPointer& pointer) override;
    void onCancel(ToolContext& context) override;

private:
    std::optional<TDragKind> m_drag;
    TRect m_start;
    QPoint m_pressPixel;
    QPoint m_anchor;
};
