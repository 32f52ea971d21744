#include "editing/tools/TwoPointTool.h"

bool TwoPointTool::accepts(const ToolContext&, const ToolPointer& pointer) const
{
    return pointer.insideIn(m_grid);
}

ToolFeedback TwoPointTool::onPress(ToolContext& context, const ToolPointer& pointer)
{
    if (m_holdsButton)
        m_held = true;
    if (!accepts(context, pointer))
        return {};
    const QPoint at = pointer.in(m_grid);
    if (m_waitingForFirst) {
        setFirst(at);
        m_waitingForFirst = false;
        return {};
    }
    switch (commit(context, m_first, at, pointer)) {
    case Next::keepFirst:
        break;
    case Next::goOnFromSecond:
        setFirst(at);
        break;
    case Next::waitForFirst:
        return waitForFirst();
    }
    return {};
}

ToolFeedback TwoPointTool::onMove(ToolContext& context, const ToolPointer& pointer)
{
    if (m_waitingForFirst)
        return {};
    const QPoint at = pointer.in(m_grid);
    if (m_previewAt == at)
        return {};
    m_previewAt = at;
    return m_preview.show(previewOf(context, m_first, pointer));
}

void TwoPointTool::setFirst(const QPoint& first)
{
    m_first = first;
    m_previewAt.reset();
}

ToolFeedback TwoPointTool::waitForFirst()
{
    m_waitingForFirst = true;
    m_previewAt.reset();
    return m_preview.clear();
}

void TwoPointTool::onCancel(ToolContext&)
{
    m_held = false;
    waitForFirst();
}

void TwoPointTool::reset()
{
    Tool::reset();
    waitForFirst();
}
