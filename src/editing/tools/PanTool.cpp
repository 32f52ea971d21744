#include "editing/tools/PanTool.h"

ToolFeedback PanTool::onPress(ToolContext&, const ToolPointer& pointer)
{
    m_held = true;
    m_anchor = pointer.cell;
    return {};
}

ToolFeedback PanTool::onMove(ToolContext&, const ToolPointer& pointer)
{
    ToolFeedback feedback;
    if (m_held)
        feedback.scroll = m_anchor - pointer.cell;
    return feedback;
}
