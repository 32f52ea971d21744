#include "editing/tools/PenStrokeTool.h"
#include "editing/CellCoexistence.h"
#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "editing/tools/PenFootprint.h"
#include "model/Design.h"

void PenStrokeTool::paintFootprint(ToolContext& context, const QPoint& centre, bool skipTouched)
{
    StitchOperations ops(context.design);
    const CellCoexistence rule(ops, context.allowQuarterOverCross);
    for (const QPoint& p : PenFootprint::around(centre, context.design.stitch.pensize()))
        paint(rule, p, skipTouched);
}

ToolFeedback PenStrokeTool::press(ToolContext& context, const ToolPointer& pointer)
{
    if (m_held)
        finish(context);
    m_held = true;
    m_stroke.clear();
    m_color = context.design.stitch.drawcolor();
    if (centreInside(pointer))
        paintFootprint(context, centreOf(pointer), false);
    return {};
}

ToolFeedback PenStrokeTool::move(ToolContext& context, const ToolPointer& pointer)
{
    if (m_held)
        paintFootprint(context, centreOf(pointer), true);
    return {};
}

ToolFeedback PenStrokeTool::release(ToolContext& context, const ToolPointer&)
{
    finish(context);
    return {};
}

void PenStrokeTool::cancel(ToolContext& context)
{
    finish(context);
}

void PenStrokeTool::reset()
{
    m_stroke.clear();
    m_held = false;
}

void PenStrokeTool::finish(ToolContext& context)
{
    if (!m_held)
        return;
    m_held = false;
    Design& d = context.design;
    HistoryFactories::actionDraw(d, mode(), m_stroke.cross, m_stroke.crossFromQuarter, d.stitch.BackGroundColor,
        m_stroke.quarter, m_color);
    m_stroke.clear();
}
