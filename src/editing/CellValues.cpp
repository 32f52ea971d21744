#include "editing/CellValues.h"
#include <algorithm>

namespace {
bool rowByRow(const CellValues::Entry& a, const CellValues::Entry& b)
{
    return a.y != b.y ? a.y < b.y : a.x < b.x;
}
} // namespace

CellValues::CellValues(std::vector<Entry> entries)
    : m_entries(std::move(entries))
{
    // Entries read back row by row come sorted already.
    if (!std::is_sorted(m_entries.begin(), m_entries.end(), rowByRow))
        std::sort(m_entries.begin(), m_entries.end(), rowByRow);
    m_entries.shrink_to_fit();
}

bool CellValues::contains(const QPoint& p) const
{
    const Entry probe{qint32(p.x()), qint32(p.y()), 0};
    const auto it = std::lower_bound(m_entries.begin(), m_entries.end(), probe, rowByRow);
    return it != m_entries.end() && it->x == p.x() && it->y == p.y();
}
