#include "editing/tools/FreehandTool.h"
#include "editing/tools/GridSegment.h"

QList<QPoint> FreehandTool::stepsBetween(const QPoint& from, const QPoint& to)
{
    if (from == to)
        return {to};
    return GridSegment::points(from, to).mid(1);
}

ToolFeedback FreehandTool::onPress(ToolContext& context, const ToolPointer& pointer)
{
    finish(context);
    m_held = true;
    m_last = pointer;
    return startStroke(context, pointer);
}

ToolFeedback FreehandTool::onMove(ToolContext& context, const ToolPointer& pointer)
{
    if (!m_held)
        return {};
    const ToolPointer from = m_last;
    m_last = pointer;
    return continueStroke(context, from, pointer);
}

ToolFeedback FreehandTool::onRelease(ToolContext& context, const ToolPointer&)
{
    finish(context);
    return {};
}

void FreehandTool::onCancel(ToolContext& context)
{
    finish(context);
}

void FreehandTool::reset()
{
    forgetStroke();
    m_held = false;
}

void FreehandTool::finish(ToolContext& context)
{
    if (!m_held)
        return;
    m_held = false;
    recordStroke(context);
}
