#include "editing/tools/Tool.h"
#include "model/ChangeBatch.h"

ToolFeedback Tool::press(ToolContext& context, const ToolPointer& pointer)
{
    ChangeBatch batch(context.design);
    return onPress(context, pointer);
}

ToolFeedback Tool::move(ToolContext& context, const ToolPointer& pointer)
{
    ChangeBatch batch(context.design);
    return onMove(context, pointer);
}

ToolFeedback Tool::release(ToolContext& context, const ToolPointer& pointer)
{
    ChangeBatch batch(context.design);
    return onRelease(context, pointer);
}

void Tool::cancel(ToolContext& context)
{
    ChangeBatch batch(context.design);
    onCancel(context);
}

ToolFeedback Tool::onMove(ToolContext&, const ToolPointer&)
{
    return {};
}

ToolFeedback Tool::onRelease(ToolContext&, const ToolPointer&)
{
    m_held = false;
    return {};
}

void Tool::onCancel(ToolContext&)
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
