// The key placement of the page walk: beside the chart (pRight), below it (pBottom), on pages of
// its own (pSeparate), and the back-stitch copies of the pages.
#include "ChartPageWalk.h"
#include "LayoutMath.h"
#include "TPreview.h"
#include <algorithm>

using LayoutMath::floorDiv;
using LayoutMath::nearest;

// Gives `chart` the key lines that fit (`fit`, possibly negative) and puts the rest on extra
// pages from `first` on in steps of `step`, each holding up to `perPage` lines and otherwise
// like `blank`. Returns the number of extra pages.
int ChartPageWalk::continueKey(TMyPage& chart, int fit, int perPage, const TMyPage& blank, QPoint first, QPoint step)
{
    if (fit >= keyLines) {
        chart.keycols = keyLines;
        chart.hasKeys = keyLines > 0;
        return 0;
    }
    chart.keycols = std::max(fit, 0);
    chart.hasKeys = chart.keycols > 0;
    TMyPage previous = chart;
    int count = 0;
    for (int remaining = keyLines - chart.keycols; remaining > 0; ++count) {
        TMyPage page = blank;
        page.hasKeys = true;
        page.keycount = chart.keycount;
        page.KeyRestart = chart.KeyRestart;
        page.keyFirst = previous.keyFirst + previous.keycols * m_keyTotal;
        page.keycols = std::min(perPage, remaining);
        remaining -= page.keycols;
        pages[first + count * step] = page;
        previous = page;
    }
    return count;
}

void ChartPageWalk::keyRight()
{
    const int tenMm = nearest(10 * m_p.mmPx);
    int added = 0;
    for (int j = 0; j < rows; ++j) {
        TMyPage& chart = at(columns - 1, j);
        const int band = chart.isLeft ? m_p.borderPX : 0;
        chart.keyOffset = nearest(tenMm + chart.xOffcetPx + chart.cellsX * m_p.gridWidthPx + band) + m_p.LegendDistance;
        chart.KeyRestart = m_keyTotal;
        TMyPage blank = newPage();
        blank.isTop = chart.isTop;
        addMargins(blank);
        const int fit = floorDiv(double(m_p.pagewidth) - chart.keyOffset, m_p.keyWidthPx);
        added = std::max(added, continueKey(chart, fit, m_p.keysAcross(), blank, QPoint(columns, j), QPoint(1, 0)));
    }
    columns += added;
}

void ChartPageWalk::keyBelow()
{
    const int tenMm = nearest(10 * m_p.mmPx);
    int added = 0;
    for (int i = 0; i < columns; ++i) {
        TMyPage& chart = at(i, rows - 1);
        const int band = chart.isTop || m_p.options.gridNumbers ? m_p.borderPX : 0;
        chart.keyOffset = nearest(tenMm + chart.yOffcetPx + chart.cellsY * m_p.gridHeightPx + band) + m_p.LegendDistance;
        if (m_keySizeFromDesign) {
            chart.KeyRestart = m_keyTotal;
        } else {
            chart.keyFirst = i * chart.keycount;
            chart.KeyRestart = chart.keycount * columns;
        }
        TMyPage blank = newPage();
        blank.isLeft = chart.isLeft;
        addMargins(blank);
        const int fit = floorDiv(double(m_p.pageheight) - chart.keyOffset, m_p.keyHeightPx);
        added = std::max(added, continueKey(chart, fit, m_p.keysDown(), blank, QPoint(i, rows), QPoint(0, 1)));
    }
    rows += added;
}

void ChartPageWalk::keyPages()
{
    if (keyLines < 1)
        return;
    const int perPage = m_p.keysAcross();
    const int count = LayoutMath::ceilDiv(keyLines, perPage);
    const int yOffset = (m_p.options.legendOnly() ? 4 : 2) * m_p.titleHeightPx;
    const int keycount = std::min((m_p.pageheight - yOffset) / m_p.keyHeightPx, m_n);
    for (int g = 0; g < count; ++g) {
        TMyPage page = newPage();
        page.keysOnly = true;
        page.yOffcetPx = yOffset;
        page.keycount = keycount;
        page.keyFirst = g * perPage * keycount;
        page.KeyRestart = m_keyTotal;
        page.keycols = std::min(perPage, keyLines - g * perPage);
        addMargins(page);
        at(columns, g) = page;
    }
    rows = std::max(rows, count);
}

void ChartPageWalk::backStitchCopies()
{
    if (!m_p.options.backStitchesSeparate || !m_p.hasBackStitches())
        return;
    QList<std::pair<QPoint, TMyPage>> copies;
    for (const auto& [pos, page] : pages) {
        if (pos.x() < columns && pos.y() < rows) {
            TMyPage copy = page;
            copy.PrintStitches = psBackStitchOnly;
            copies.append({QPoint(pos.x(), pos.y() + rows), copy});
        }
    }
    for (const auto& [pos, page] : copies)
        pages[pos] = page;
    rows *= 2;
}
