#include "view/ColorList.h"
#include "model/BatchingListener.h"
#include "model/Design.h"
#include <algorithm>

ColorList::ColorList(Design& design)
    : m_design(design)
{
    m_design.stitch.batching().addCountListener(this);
}

ColorList::~ColorList()
{
    m_design.stitch.batching().removeCountListener(this);
}

int ColorList::countOf(TColorRef color) const
{
    const TColorInfo* info = m_design.stitch.Colors.find(color);
    return info ? info->colorCount : 0;
}

QList<int> ColorList::takeChangedRows()
{
    QList<int> changed;
    for (int row = 0; row < m_rows.size(); ++row) {
        const TColorRef color = m_rows[row].Color;
        const int count = countOf(color);
        const auto shown = m_shownCounts.find(color);
        if (shown != m_shownCounts.end() && *shown == count)
            continue;
        m_shownCounts.insert(color, count);
        changed.append(row);
    }
    return changed;
}

void ColorList::colorCountsChanged()
{
    const QList<int> changed = takeChangedRows();
    if (m_unsorted || (m_order == byUsage && !changed.isEmpty())) {
        arrColorsSort();
        if (m_rowsChanged)
            m_rowsChanged({}, true);
    } else if (!changed.isEmpty() && m_rowsChanged) {
        m_rowsChanged(changed, false);
    }
}

std::optional<qint64> ColorList::numberOf(const QString& colorID)
{
    QString t = colorID.trimmed();
    bool ok = false;
    qint64 value = 0;
    const bool negative = t.startsWith(QLatin1Char('-'));
    if (negative || t.startsWith(QLatin1Char('+')))
        t = t.mid(1);
    if (t.startsWith(QLatin1Char('$')))
        value = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = t.mid(2).toLongLong(&ok, 16);
    else if (!t.isEmpty() && t.at(0).isDigit())
        value = t.toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return negative ? -value : value;
}

void ColorList::setOnlyUsed(bool onlyUsed)
{
    m_onlyUsed = onlyUsed;
    rebuildColorRows();
}

void ColorList::setSortOrder(SortOrder order)
{
    m_order = order;
    arrColorsSort();
}

TColorSymbols ColorList::rowFor(TColorRef color) const
{
    const TStitch& doc = m_design.stitch;
    TColorSymbols row;
    row.Color = color;
    if (doc.chars) {
        if (const TColorInfo* info = doc.Colors.find(color))
            row.Symbol = doc.chars->symbolOf(info->charID);
        row.SymbolBitmap = doc.chars->inUse(color);
    }
    return row;
}

void ColorList::rebuildColorRows()
{
    m_rows.clear();
    m_shownCounts.clear();
    for (const auto& [color, info] : m_design.stitch.Colors) {
        const TColorSymbols row = rowFor(color);
        if (!m_onlyUsed || row.SymbolBitmap) {
            m_rows.append(row);
            m_shownCounts.insert(color, info.colorCount);
        }
    }
    arrColorsSort();
}

void ColorList::colorBecameUsed(TColorRef color)
{
    bool found = false;
    for (TColorSymbols& row : m_rows) {
        if (row.Color == color) {
            row = rowFor(color);
            found = true;
        }
    }
    if (!found && m_onlyUsed) {
        m_rows.append(rowFor(color));
        m_unsorted = true;
    }
}

void ColorList::colorBecameUnused(TColorRef color, bool resort)
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].Color != color)
            continue;
        if (m_onlyUsed)
            m_rows.removeAt(i);
        else
            m_rows[i].SymbolBitmap = false;
        break;
    }
    if (resort)
        arrColorsSort();
}

int ColorList::rowOf(TColorRef color) const
{
    for (int i = int(m_rows.size()) - 1; i >= 0; --i) {
        if (m_rows[i].Color == color)
            return i;
    }
    return -1;
}

bool ColorList::less(const TColorSymbols& a, const TColorSymbols& b) const
{
    const TColorTable& colors = m_design.stitch.Colors;
    const TColorInfo* ia = colors.find(a.Color);
    const TColorInfo* ib = colors.find(b.Color);
    if (!ia || !ib)
        return ia != nullptr && ib == nullptr;
    switch (m_order) {
    case byPalette:
        break;
    case byName: {
        const int c = QString::compare(ia->colorName, ib->colorName, Qt::CaseSensitive);
        if (c != 0)
            return c < 0;
        break;
    }
    case byNumber: {
        const auto na = numberOf(ia->colorID);
        const auto nb = numberOf(ib->colorID);
        if (na.has_value() != nb.has_value())
            return na.has_value();
        if (na && *na != *nb)
            return *na < *nb;
        if (!na) {
            const int c = QString::compare(ia->colorID, ib->colorID, Qt::CaseSensitive);
            if (c != 0)
                return c < 0;
        }
        break;
    }
    case byUsage:
        if (ia->colorCount != ib->colorCount)
            return ia->colorCount > ib->colorCount;
        break;
    }
    return ia->orderID < ib->orderID;
}

void ColorList::arrColorsSort()
{
    m_unsorted = false;
    std::stable_sort(m_rows.begin(), m_rows.end(), [this](const TColorSymbols& a, const TColorSymbols& b) { return less(a, b); });
}
