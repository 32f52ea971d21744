#pragma once
#include "model/UTypes.h"
#include <QList>

// The swatches of the large palette window: the design's colours sorted by palette order,
// running down the columns (cell (c, r) shows entry r + c * rows). A window too narrow for a
// swatch column still shows one column.
class PaletteGridLayout
{
public:
    // The colours of a colour table in palette order (orderID, ties in table order).
    static QList<TSimpleColorInfo> colorsList(const TColorTable& colors);

    PaletteGridLayout(int count, int gridWidth, int swatchWidth);

    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    // The list entry of a cell, or -1 for a cell beyond the last colour.
    int entryAt(int column, int row) const;

private:
    int m_count;
    int m_columns;
    int m_rows;
};
