#include "editing/tools/Tool.h"

ToolFeedback Tool::move(ToolContext&, const ToolPointer&)
{
    return {};
}

ToolFeedback Tool::release(ToolContext&, const ToolPointer&)
{
    m_held = false;
    return {};
}

void Tool::cancel(ToolContext&)
{
    m_held = false;
}

void Tool::reset()
{
    m_held = false;
}

ToolPreview Tool::preview() const
{
    return {};
}
