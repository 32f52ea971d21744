#include "editing/tools/PointSet.h"

namespace {
// A box beyond this many positions (64 MiB of flags) is left to the hash.
constexpr qint64 kMaxBoxPositions = qint64(1) << 26;

QRect usableBox(const QRect& box)
{
    return box.isValid() && qint64(box.width()) * box.height() <= kMaxBoxPositions ? box : QRect();
}
} // namespace

PointSet::PointSet(const QRect& box)
    : m_box(usableBox(box))
    , m_inBox(size_t(qsizetype(m_box.width()) * m_box.height()), 0)
{
}

bool PointSet::contains(const QPoint& p) const
{
    if (m_box.contains(p))
        return m_inBox[size_t(slot(p))] != 0;
    return m_outside.contains(key(p));
}

bool PointSet::insert(const QPoint& p)
{
    if (m_box.contains(p)) {
        quint8& member = m_inBox[size_t(slot(p))];
        if (member)
            return false;
        member = 1;
        return true;
    }
    const qsizetype before = m_outside.size();
    m_outside.insert(key(p));
    return m_outside.size() != before;
}

void PointSet::remove(const QPoint& p)
{
    if (m_box.contains(p))
        m_inBox[size_t(slot(p))] = 0;
    else
        m_outside.remove(key(p));
}
