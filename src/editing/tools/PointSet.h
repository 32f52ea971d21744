#pragma once
#include <QPoint>
#include <QRect>
#include <QSet>
#include <vector>

// Membership of grid positions for the cell lists and region walks of the shape tools: one byte
// per position of a box where the caller expects the positions, and a hash for any outside it,
// so that a test costs the same however long the list grows.
class PointSet
{
public:
    explicit PointSet(const QRect& box);

    bool contains(const QPoint& p) const;
    // Adds p; false when it was there already.
    bool insert(const QPoint& p);
    void remove(const QPoint& p);

private:
    static quint64 key(const QPoint& p) { return (quint64(quint32(p.y())) << 32) | quint32(p.x()); }
    qsizetype slot(const QPoint& p) const
    {
        return qsizetype(p.y() - m_box.top()) * m_box.width() + (p.x() - m_box.left());
    }

    QRect m_box;
    std::vector<quint8> m_inBox;
    QSet<quint64> m_outside;
};
