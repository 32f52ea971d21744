#pragma once
#include "editing/tools/PointSet.h"
#include <QList>

// An ordered list of grid positions without duplicates, as the shape tools build them: adding a
// position already listed does nothing. Membership is kept beside the list (PointSet), so a
// list of a million cells is built in linear time and keeps exactly the order of its additions.
class CellList
{
public:
    // `box`: where most positions are expected (any position may still be added).
    explicit CellList(const QRect& box) : m_members(box) {}

    bool add(const QPoint& p);
    bool contains(const QPoint& p) const { return m_members.contains(p); }
    // Adds the footprint offsets around a centre, skipping positions already listed.
    void stamp(const QPoint& centre, const QList<QPoint>& offsets);
    // Drops every position outside `area`, keeping the order of the others.
    void keepInside(const QRect& area);

    const QList<QPoint>& points() const { return m_points; }
    QList<QPoint> take() { return std::move(m_points); }

private:
    QList<QPoint> m_points;
    PointSet m_members;
};
