#include "editing/tools/PanTool.h"

ToolFeedback PanTool::press(ToolContext&, const ToolPointer& pointer)
{
    m_held = true;
    m_anchor = pointer.cell;
    return {};
}

ToolFeedback PanTool::move(ToolContext&, const ToolPointer& pointer)
{
    ToolFeedback feedback;
    if (m_held)
        feedback.scroll = m_anchor - pointer.cell;
    return feedback;
}
