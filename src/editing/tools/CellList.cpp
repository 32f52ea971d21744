#include "editing/tools/CellList.h"

bool CellList::add(const QPoint& p)
{
    if (!m_members.insert(p))
        return false;
    m_points.append(p);
    return true;
}

void CellList::stamp(const QPoint& centre, const QList<QPoint>& offsets)
{
    for (const QPoint& offset : offsets)
        add(centre + offset);
}

void CellList::keepInside(const QRect& area)
{
    m_points.removeIf([&](const QPoint& p) {
        if (area.contains(p))
            return false;
        m_members.remove(p);
        return true;
    });
}
