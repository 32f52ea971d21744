#include "editing/tools/PipetteTool.h"
#include "model/Design.h"

void PipetteTool::pick(ToolContext& context, const ToolPointer& pointer)
{
    Design& d = context.design;
    if (!pointer.cellInside || d.isEmptyCell(pointer.cell.x(), pointer.cell.y()))
        return;
    d.stitch.setDrawcolor(colorRefFromColor32(d.CrossLayer.pixel(pointer.cell.x(), pointer.cell.y())));
}

ToolFeedback PipetteTool::onPress(ToolContext& context, const ToolPointer& pointer)
{
    m_held = true;
    pick(context, pointer);
    return {};
}

ToolFeedback PipetteTool::onMove(ToolContext& context, const ToolPointer& pointer)
{
    ToolFeedback feedback;
    feedback.showPosition = pointer.cellInside;
    if (m_held)
        pick(context, pointer);
    return feedback;
}

ToolFeedback PipetteTool::onRelease(ToolContext& context, const ToolPointer& pointer)
{
    if (m_held)
        pick(context, pointer);
    m_held = false;
    return {};
}
