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

void PenStrokeTool::paint(const CellCoexistence& rule, const QPoint& p, bool skipTouched)
{
    if (m_grid == ToolGrid::quarters) {
        if (!skipTouched || !m_stroke.quarter.contains(p))
            rule.drawQuarter(p.x(), p.y(), m_color, true, m_stroke);
    } else if (!skipTouched || !m_stroke.cross.contains(p)) {
        rule.drawCross(p.x(), p.y(), m_color, true, m_stroke);
    }
}

ToolFeedback PenStrokeTool::startStroke(ToolContext& context, const ToolPointer& at)
{
    m_stroke.clear();
    m_color = context.design.stitch.drawcolor();
    if (at.insideIn(m_grid))
        paintFootprint(context, at.in(m_grid), false);
    return {};
}

ToolFeedback PenStrokeTool::continueStroke(ToolContext& context, const ToolPointer& from, const ToolPointer& to)
{
    for (const QPoint& centre : stepsBetween(from.in(m_grid), to.in(m_grid)))
        paintFootprint(context, centre, true);
    return {};
}

void PenStrokeTool::recordStroke(ToolContext& context)
{
    Design& d = context.design;
    HistoryFactories::actionDraw(d, m_mode, m_stroke.cross, m_stroke.crossFromQuarter, d.stitch.BackGroundColor,
        m_stroke.quarter, m_color);
    m_stroke.clear();
}
