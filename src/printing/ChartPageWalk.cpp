#include "ChartPageWalk.h"
#include "LayoutMath.h"
#include "TPreview.h"
#include <algorithm>

using LayoutMath::floorDiv;

ChartPageWalk::ChartPageWalk(const TPreview& preview, TPosition position, bool keySizeFromDesign)
    : m_p(preview)
    , m_position(position)
    , m_keySizeFromDesign(keySizeFromDesign)
    , m_n(int(preview.KeyEntries.size()))
    , m_band(preview.options.gridNumbers ? preview.borderPX : 0)
{
}

ChartPageWalk::Result ChartPageWalk::run()
{
    firstPage();
    Result result = Result::Done;
    switch (m_position) {
    case pTop:
        result = firstRowKey();
        break;
    case pLeft:
        result = firstColumnKey();
        break;
    default:
        result = keyBesideOrApart();
        break;
    }
    if (result == Result::Done)
        backStitchCopies();
    return result;
}

TMyPage ChartPageWalk::newPage() const
{
    TMyPage page;
    page.PrintStitches = m_p.options.backStitchesSeparate ? psCrossStitchOnly : psBoth;
    return page;
}

void ChartPageWalk::addMargins(TMyPage& page) const
{
    page.xOffcetPx += m_p.inlineBorderPX.left();
    page.yOffcetPx += m_p.inlineBorderPX.top();
}

// Whole cells in the page width left after `usedWidth` pixels.
int ChartPageWalk::cellsAcross(int usedWidth) const
{
    return floorDiv(double(m_p.pagewidth) - usedWidth, m_p.gridWidthPx);
}

int ChartPageWalk::cellsDown(int usedHeight) const
{
    return floorDiv(double(m_p.pageheight) - usedHeight, m_p.gridHeightPx);
}

// Entries of one key row above or below a chart of `cellsX` columns.
int ChartPageWalk::topKeyCount(int cellsX) const
{
    if (m_keySizeFromDesign)
        return std::min(floorDiv(cellsX * m_p.gridWidthPx, m_p.keyWidthPx), m_n);
    return std::min(m_p.keysAcross(), m_n);
}

// Entries of one key column beside a chart of `cellsY` rows; `freeHeight` when the key is not
// sized by the chart.
int ChartPageWalk::sideKeyCount(int cellsY, int freeHeight) const
{
    if (m_keySizeFromDesign)
        return std::min(floorDiv(cellsY * m_p.gridHeightPx, m_p.keyHeightPx), m_n);
    return std::min(floorDiv(freeHeight, m_p.keyHeightPx), m_n);
}

int ChartPageWalk::keyCountByPosition(const TMyPage& page, int separateTop) const
{
    switch (m_position) {
    case pTop:
    case pBottom:
        return topKeyCount(page.cellsX);
    case pLeft:
    case pRight:
        return sideKeyCount(page.cellsY, m_p.pageheight - m_p.titleHeightPx - m_p.CommentHeightPX);
    case pSeparate:
        break;
    }
    return std::min(floorDiv(m_p.pageheight - separateTop, m_p.keyHeightPx), m_n);
}

void ChartPageWalk::firstPage()
{
    TMyPage page = newPage();
    page.isLeft = page.isTop = true;
    page.xOffcetPx = m_position == pLeft ? m_p.keyWidthPx + m_p.LegendDistance : 0;
    page.yOffcetPx = m_p.titleHeightPx + m_p.CommentHeightPX
        + (m_position == pTop ? m_p.keyHeightPx + m_p.LegendDistance : 0);
    page.cellsX = std::min(cellsAcross(page.xOffcetPx + m_p.borderPX), m_p.imagewidth);
    page.cellsY = std::min(cellsDown(page.yOffcetPx + m_p.borderPX), m_p.imageheight);
    page.cellXLast = page.cellsX - 1;
    page.cellYLast = page.cellsY - 1;
    page.keycols = 1;
    page.keycount = keyCountByPosition(page, (m_p.options.legendOnly() ? 4 : 2) * m_p.titleHeightPx);
    m_keyTotal = page.keycount;
    keyLines = 1;
    addMargins(page);
    at(0, 0) = page;
    columns = rows = 1;
}

// The key above the chart, across the first page row.
ChartPageWalk::Result ChartPageWalk::firstRowKey()
{
    const TMyPage first = at(0, 0);
    for (int x0 = first.cellsX; x0 < m_p.imagewidth; ++columns) {
        TMyPage page = newPage();
        page.isTop = true;
        page.cellsX = std::min(cellsAcross(m_band), m_p.imagewidth - x0);
        page.cellXFirst = x0;
        page.cellXLast = x0 + page.cellsX - 1;
        page.keycount = topKeyCount(page.cellsX);
        page.keyFirst = m_keyTotal;
        m_keyTotal += page.keycount;
        addMargins(page);
        page.yOffcetPx = first.yOffcetPx;
        at(columns, 0) = page;
        x0 += page.cellsX;
    }
    if (m_n >= 1 && m_keyTotal < 1 && m_keySizeFromDesign)
        return Result::KeyNeedsFreeSize;
    keyLines = m_keyTotal < 1 ? 0 : LayoutMath::ceilDiv(m_n, m_keyTotal);
    const int yOffset = m_p.titleHeightPx + m_p.CommentHeightPX + keyLines * m_p.keyHeightPx + m_p.LegendDistance;
    const int cellsY = std::min(cellsDown(yOffset + m_p.borderPX), m_p.imageheight);
    if (cellsY < 0)
        return Result::TooManyKeys;
    for (int i = 0; i < columns; ++i) {
        TMyPage& page = at(i, 0);
        page.yOffcetPx = yOffset + m_p.inlineBorderPX.top();
        page.cellsY = cellsY;
        page.cellYFirst = 0;
        page.cellYLast = cellsY - 1;
        page.keycols = keyLines;
        page.KeyRestart = m_keyTotal;
    }
    laterRows();
    return Result::Done;
}

// Page rows below the first, each page under the one above it.
void ChartPageWalk::laterRows()
{
    const int fullRows = cellsDown(m_band);
    for (int y0 = at(0, 0).cellsY; y0 < m_p.imageheight; ++rows) {
        const int h = std::min(fullRows, m_p.imageheight - y0);
        for (int i = 0; i < columns; ++i) {
            const TMyPage& above = at(i, rows - 1);
            TMyPage page = newPage();
            page.isLeft = above.isLeft;
            page.xOffcetPx = above.xOffcetPx;
            page.cellsX = above.cellsX;
            page.cellXFirst = above.cellXFirst;
            page.cellXLast = above.cellXLast;
            page.cellsY = h;
            page.cellYFirst = y0;
            page.cellYLast = y0 + h - 1;
            page.yOffcetPx = m_p.inlineBorderPX.top();
            at(i, rows) = page;
        }
        y0 += h;
    }
}

// The pages below page (0, 0) in the first page column, with the key counts of pLeft or the
// position's own rule.
void ChartPageWalk::firstColumnRows()
{
    const TMyPage first = at(0, 0);
    const int separateTop = (m_p.options.legendOnly() ? 5 : 2) * m_p.titleHeightPx;
    for (int y0 = first.cellsY; y0 < m_p.imageheight; ++rows) {
        TMyPage page = newPage();
        page.isLeft = true;
        page.xOffcetPx = m_position == pLeft ? m_p.keyWidthPx * keyLines : 0;
        page.cellsX = first.cellsX;
        page.cellXFirst = first.cellXFirst;
        page.cellXLast = first.cellXLast;
        page.cellsY = std::min(cellsDown(m_band), m_p.imageheight - y0);
        page.cellYFirst = y0;
        page.cellYLast = y0 + page.cellsY - 1;
        page.keycols = 1;
        page.keycount = m_position == pLeft ? sideKeyCount(page.cellsY, m_p.pageheight - page.yOffcetPx)
                                            : keyCountByPosition(page, separateTop);
        if (m_position == pLeft || m_position == pRight) {
            page.keyFirst = m_keyTotal;
            m_keyTotal += page.keycount;
        }
        addMargins(page);
        at(0, rows) = page;
        y0 += page.cellsY;
    }
}

// The key left of the chart, down the first page column.
ChartPageWalk::Result ChartPageWalk::firstColumnKey()
{
    firstColumnRows();
    if (m_n >= 1 && m_keyTotal < 1 && m_keySizeFromDesign)
        return Result::KeyNeedsFreeSize;
    keyLines = m_keyTotal < 1 ? 0 : LayoutMath::ceilDiv(m_n, m_keyTotal);
    const int xOffset = m_p.keyWidthPx * keyLines;
    const int cellsX = std::min(cellsAcross(xOffset + m_p.borderPX), m_p.imagewidth);
    if (cellsX < 0)
        return Result::TooManyKeys;
    for (int j = 0; j < rows; ++j) {
        TMyPage& page = at(0, j);
        page.xOffcetPx = xOffset + m_p.inlineBorderPX.left();
        page.cellsX = cellsX;
        page.cellXFirst = 0;
        page.cellXLast = cellsX - 1;
        page.keycols = keyLines;
        page.KeyRestart = m_keyTotal;
    }
    laterColumns();
    return Result::Done;
}

// Page columns right of the first, each page beside its left neighbour.
void ChartPageWalk::laterColumns()
{
    const int fullColumns = cellsAcross(m_band);
    for (int x0 = at(0, 0).cellsX; x0 < m_p.imagewidth; ++columns) {
        const int w = std::min(fullColumns, m_p.imagewidth - x0);
        for (int j = 0; j < rows; ++j) {
            const TMyPage& left = at(columns - 1, j);
            TMyPage page = newPage();
            page.isTop = left.isTop;
            page.yOffcetPx = left.yOffcetPx;
            page.cellsY = left.cellsY;
            page.cellYFirst = left.cellYFirst;
            page.cellYLast = left.cellYLast;
            page.xOffcetPx = m_p.inlineBorderPX.left();
            page.cellsX = w;
            page.cellXFirst = x0;
            page.cellXLast = x0 + w - 1;
            if (m_position == pRight) {
                page.keycount = left.keycount;
                page.keyFirst = left.keyFirst;
            } else if (m_position == pBottom) {
                page.keycount = topKeyCount(w);
                if (m_keySizeFromDesign)
                    page.keyFirst = m_keyTotal;
            }
            at(columns, j) = page;
        }
        if (m_position == pBottom)
            m_keyTotal += at(columns, rows - 1).keycount;
        x0 += w;
    }
}

// pRight, pBottom and pSeparate: the chart pages first, then the key where it goes.
ChartPageWalk::Result ChartPageWalk::keyBesideOrApart()
{
    if (m_position == pSeparate && m_n >= 1 && m_keyTotal < 1)
        return Result::NoKeyPageRoom;
    firstColumnRows();
    laterColumns();
    if (m_n >= 1 && m_keyTotal < 1 && m_keySizeFromDesign)
        return Result::KeyNeedsFreeSize;
    keyLines = m_keyTotal < 1 ? 0 : LayoutMath::ceilDiv(m_n, m_keyTotal);
    if (m_position == pRight)
        keyRight();
    else if (m_position == pBottom)
        keyBelow();
    else
        keyPages();
    return Result::Done;
}
