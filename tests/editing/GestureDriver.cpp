#include "GestureDriver.h"
#include "editing/HistoryFactories.h"
#include "editing/tools/PenFootprint.h"
#include "model/Design.h"

GestureDriver::GestureDriver(Design& design, bool allowQuarterOverCross)
    : m_design(design)
    , m_ops(design)
    , m_rule(m_ops, allowQuarterOverCross)
{
}

bool GestureDriver::penStroke(const QList<QPoint>& centres, int size, TColorRef color)
{
    m_stroke.clear();
    for (const QPoint& centre : centres) {
        for (const QPoint& p : PenFootprint::around(centre, size)) {
            if (!m_stroke.cross.contains(p))
                m_rule.drawCross(p.x(), p.y(), color, true, m_stroke);
        }
    }
    return HistoryFactories::actionDraw(m_design, modDraw, m_stroke.cross, m_stroke.crossFromQuarter,
        m_design.stitch.BackGroundColor, m_stroke.quarter, color);
}

bool GestureDriver::quarterStroke(const QList<QPoint>& centres, int size, TColorRef color)
{
    m_stroke.clear();
    for (const QPoint& centre : centres) {
        for (const QPoint& q : PenFootprint::around(centre, size)) {
            if (!m_stroke.quarter.contains(q))
                m_rule.drawQuarter(q.x(), q.y(), color, true, m_stroke);
        }
    }
    return HistoryFactories::actionDraw(m_design, modQDraw, m_stroke.cross, m_stroke.crossFromQuarter,
        m_design.stitch.BackGroundColor, m_stroke.quarter, color);
}
