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

    bool contains(const QPoint& p) const
    {
        const qsizetype i = slot(p);
        return i >= 0 ? m_inBox[size_t(i)] != 0 : m_outside.contains(key(p));
    }
    // Adds p; false when it was there already.
    bool insert(const QPoint& p)
    {
        const qsizetype i = slot(p);
        if (i < 0)
            return insertOutside(p);
        quint8& member = m_inBox[size_t(i)];
        const bool added = !member;
        member = 1;
        return added;
    }
    void remove(const QPoint& p);

private:
    static quint64 key(const QPoint& p) { return (quint64(quint32(p.y())) << 32) | quint32(p.x()); }
    // The position's flag in the box, or -1 outside it.
    qsizetype slot(const QPoint& p) const
    {
        const unsigned x = unsigned(p.x() - m_left);
        const unsigned y = unsigned(p.y() - m_top);
        return x < m_width && y < m_height ? qsizetype(y) * m_width + x : -1;
    }
    bool insertOutside(const QPoint& p);

    int m_left = 0;
    int m_top = 0;
    unsigned m_width = 0;
    unsigned m_height = 0;
    std::vector<quint8> m_inBox;
    QSet<quint64> m_outside;
};
