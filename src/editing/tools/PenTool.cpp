#include "editing/tools/PenTool.h"
#include "editing/CellCoexistence.h"

void PenTool::paint(const CellCoexistence& rule, const QPoint& cell, bool skipTouched)
{
    if (skipTouched && m_stroke.cross.contains(cell))
        return;
    rule.drawCross(cell.x(), cell.y(), m_color, true, m_stroke);
}
