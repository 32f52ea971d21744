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
{
    const QRect usable = usableBox(box);
    if (usable.isEmpty())
        return;
    m_left = usable.left();
    m_top = usable.top();
    m_width = unsigned(usable.width());
    m_height = unsigned(usable.height());
    m_inBox.assign(size_t(m_width) * m_height, 0);
}

bool PointSet::insertOutside(const QPoint& p)
{
    const qsizetype before = m_outside.size();
    m_outside.insert(key(p));
    return m_outside.size() != before;
}

void PointSet::remove(const QPoint& p)
{
    const qsizetype i = slot(p);
    if (i >= 0)
        m_inBox[size_t(i)] = 0;
    else
        m_outside.remove(key(p));
}
