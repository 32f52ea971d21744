#include "editing/tools/TwoPointTool.h"

bool TwoPointTool::accepts(const ToolContext&, const ToolPointer& pointer) const
{
    return pointer.insideIn(m_grid);
}

ToolFeedback TwoPointTool::onPress(ToolContext& context, const ToolPointer& pointer)
{
    if (!accepts(context, pointer))
        return {};
    const QPoint at = pointer.in(m_grid);
    if (m_waitingForFirst) {
        m_first = at;
        m_waitingForFirst = false;
        return {};
    }
    switch (commit(context, m_first, at, pointer)) {
    case Next::keepFirst:
        break;
    case Next::goOnFromSecond:
        m_first = at;
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
    return m_preview.show(previewOf(context, m_first, pointer));
}

ToolFeedback TwoPointTool::waitForFirst()
{
    m_waitingForFirst = true;
    return m_preview.clear();
}

void TwoPointTool::onCancel(ToolContext&)
{
    waitForFirst();
}

void TwoPointTool::reset()
{
    waitForFirst();
}
