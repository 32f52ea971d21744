#include "view/PaletteGridLayout.h"
#include <algorithm>

QList<TSimpleColorInfo> PaletteGridLayout::colorsList(const TColorTable& colors)
{
    QList<TSimpleColorInfo> list;
    for (const auto& [color, info] : colors)
        list.append({color, info.colorName, info.colorID, info.charID, info.orderID});
    std::stable_sort(list.begin(), list.end(),
        [](const TSimpleColorInfo& a, const TSimpleColorInfo& b) { return a.orderID < b.orderID; });
    return list;
}

PaletteGridLayout::PaletteGridLayout(int count, int gridWidth, int swatchWidth)
    : m_count(count)
    , m_columns(std::max(1, (gridWidth - 26) / (swatchWidth + 1)))
    , m_rows(count == 0 ? 0 : (count + m_columns - 1) / m_columns)
{
}

int PaletteGridLayout::entryAt(int column, int row) const
{
    if (column < 0 || row < 0 || column >= m_columns || row >= m_rows)
        return -1;
    const int entry = row + column * m_rows;
    return entry < m_count ? entry : -1;
}
