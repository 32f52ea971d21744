#include "editing/tools/SelectionTool.h"
#include "editing/SelectionSession.h"
#include "model/Design.h"
#include <QRect>

namespace {
int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

constexpr TDragKind kHandles[] = {dkTopLeft, dkTopRight, dkBottomLeft, dkBottomRight, dkLeft, dkRight, dkTop, dkBottom};
} // namespace

QRect SelectionTool::handleRect(const TRect& frame, const QSize& cell, TDragKind handle)
{
    const int x0 = frame.Left * cell.width(), x1 = frame.Right * cell.width();
    const int y0 = frame.Top * cell.height(), y1 = frame.Bottom * cell.height();
    const int x = dragsLeft(handle) ? x0 : (dragsRight(handle) ? x1 : (x0 + x1) / 2);
    const int y = dragsTop(handle) ? y0 : (dragsBottom(handle) ? y1 : (y0 + y1) / 2);
    return QRect(x - kHandleSize / 2, y - kHandleSize / 2, kHandleSize, kHandleSize);
}

std::optional<TDragKind> SelectionTool::hitTest(const TRect& frame, const QSize& cell, const QPoint& p)
{
    for (TDragKind handle : kHandles) {
        if (handleRect(frame, cell, handle).contains(p))
            return handle;
    }
    const QRect inside(QPoint(frame.Left * cell.width(), frame.Top * cell.height()),
        QPoint(frame.Right * cell.width(), frame.Bottom * cell.height()));
    if (inside.contains(p))
        return dkMove;
    return std::nullopt;
}

void SelectionTool::reset()
{
    Tool::reset();
    m_drag.reset();
}

ToolFeedback SelectionTool::onPress(ToolContext& context, const ToolPointer& pointer)
{
    m_held = true;
    m_anchor = pointer.cell;
    m_drag.reset();
    if (SelectionSession* selection = context.selection; selection && selection->frameShown()) {
        m_drag = hitTest(selection->SelectionRect(), pointer.cellSize, pointer.designPixel);
        m_start = selection->SelectionRect();
        m_pressPixel = pointer.designPixel;
    }
    return {};
}

ToolFeedback SelectionTool::onMove(ToolContext& context, const ToolPointer& pointer)
{
    ToolFeedback feedback;
    if (!m_held)
        return feedback;
    if (!m_drag || !context.selection) {
        feedback.scroll = m_anchor - pointer.cell;
        return feedback;
    }
    // Each dragged edge at its pixel position, converted back to cells.
    const QPoint d = pointer.designPixel - m_pressPixel;
    const int cw = pointer.cellSize.width(), ch = pointer.cellSize.height();
    const TDragKind kind = *m_drag;
    const bool move = kind == dkMove;
    TRect proposed = m_start;
    if (move || dragsLeft(kind))
        proposed.Left = floorDiv(m_start.Left * cw + d.x(), cw);
    if (move || dragsTop(kind))
        proposed.Top = floorDiv(m_start.Top * ch + d.y(), ch);
    if (dragsRight(kind))
        proposed.Right = floorDiv(m_start.Right * cw + d.x(), cw);
    if (dragsBottom(kind))
        proposed.Bottom = floorDiv(m_start.Bottom * ch + d.y(), ch);
    const TRect before = context.selection->SelectionRect();
    const TRect& after = context.selection->resize(kind, proposed, QSize(context.design.width(), context.design.height()));
    feedback.selectionChanged = !(after == before);
    return feedback;
}

ToolFeedback SelectionTool::onRelease(ToolContext& context, const ToolPointer& pointer)
{
    m_drag.reset();
    return Tool::onRelease(context, pointer);
}

void SelectionTool::onCancel(ToolContext& context)
{
    m_drag.reset();
    Tool::onCancel(context);
}
