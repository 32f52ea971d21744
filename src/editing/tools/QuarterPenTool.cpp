#include "editing/tools/QuarterPenTool.h"
#include "editing/CellCoexistence.h"

void QuarterPenTool::paint(const CellCoexistence& rule, const QPoint& quarter, bool skipTouched)
{
    if (skipTouched && m_stroke.quarter.contains(quarter))
        return;
    rule.drawQuarter(quarter.x(), quarter.y(), m_color, true, m_stroke);
}
