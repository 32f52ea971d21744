#pragma once
#include "model/ColorCountListener.h"
#include "view/TColorSymbols.h"
#include <QHash>
#include <QList>
#include <functional>

class Design;

// The rows of the colour list beside the work view, and their order. In "All colors" every
// colour of the design's table has a row; in "Only used colors" only colours with stitches.
//
// Sort orders: 0 by palette (orderID), 1 by name (ordinal, case matters), 2 by number, 3 by
// usage (most used first). Every order is total and the sort stable: ties go by orderID, so the
// same design always lists the same way. "By number" puts the whole numbers first in numeric
// order, then the other numbers in ordinal order.
//
// The list hears every change of counts from the design itself and says which rows show another
// count; when the change moved rows (sorted by usage, or a colour that entered use was added at
// the end) it sorts them again and says so instead.
class ColorList : public ColorCountListener
{
public:
    enum SortOrder { byPalette, byName, byNumber, byUsage };
    // `rows`: the rows whose count changed; `reordered`: the rows were sorted again, so any row
    // may now show another colour.
    using RowsChanged = std::function<void(const QList<int>& rows, bool reordered)>;

    explicit ColorList(Design& design);
    ~ColorList() override;
    ColorList(const ColorList&) = delete;
    ColorList& operator=(const ColorList&) = delete;

    void setRowsChangedHandler(RowsChanged handler) { m_rowsChanged = std::move(handler); }
    void colorCountsChanged() override;

    const QList<TColorSymbols>& rows() const { return m_rows; }
    bool onlyUsed() const { return m_onlyUsed; }
    void setOnlyUsed(bool onlyUsed);
    SortOrder sortOrder() const { return m_order; }
    void setSortOrder(SortOrder order);

    // One row per colour of the symbol cache (all colours, or the used ones), then sorted.
    void rebuildColorRows();
    void colorBecameUsed(TColorRef color);
    void colorBecameUnused(TColorRef color, bool resort);
    void arrColorsSort();

    // The last row showing the colour, or -1.
    int rowOf(TColorRef color) const;

    // The whole number a colour's number stands for, when it is one (decimal with an optional
    // sign, or hexadecimal with "$" or "0x").
    static std::optional<qint64> numberOf(const QString& colorID);

private:
    TColorSymbols rowFor(TColorRef color) const;
    bool less(const TColorSymbols& a, const TColorSymbols& b) const;
    int countOf(TColorRef color) const;
    // The rows whose count differs from the one last shown; those become the shown ones.
    QList<int> takeChangedRows();

    Design& m_design;
    QList<TColorSymbols> m_rows;
    RowsChanged m_rowsChanged;
    QHash<TColorRef, int> m_shownCounts;
    bool m_unsorted = false;
    bool m_onlyUsed = false;
    SortOrder m_order = byPalette;
};
