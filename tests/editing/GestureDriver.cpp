#include "GestureDriver.h"
#include "editing/HistoryFactories.h"
#include "model/Design.h"

GestureDriver::GestureDriver(Design& design, bool allowQuarterOverCross)
    : m_design(design)
    , m_ops(design)
    , m_rule(m_ops, allowQuarterOverCross)
{
}

QList<QPoint> GestureDriver::footprint(const QPoint& centre, int size)
{
    const int k = (size - 1) / 2;
    const int last = size - 1 - k;
    QList<QPoint> cells;
    for (int dy = -k; dy <= last; ++dy) {
        for (int dx = -k; dx <= last; ++dx) {
            const bool corner = (dx == -k || dx == last) && (dy == -k || dy == last);
            if (size > 2 && corner)
                continue;
            cells.append(centre + QPoint(dx, dy));
        }
    }
    return cells;
}

bool GestureDriver::penStroke(const QList<QPoint>& centres, int size, TColorRef color)
{
    m_stroke.clear();
    for (const QPoint& centre : centres) {
        for (const QPoint& p : footprint(centre, size)) {
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
        for (const QPoint& q : footprint(centre, size)) {
            if (!m_stroke.quarter.contains(q))
                m_rule.drawQuarter(q.x(), q.y(), color, true, m_stroke);
        }
    }
    return HistoryFactories::actionDraw(m_design, modQDraw, m_stroke.cross, m_stroke.crossFromQuarter,
        m_design.stitch.BackGroundColor, m_stroke.quarter, color);
}
