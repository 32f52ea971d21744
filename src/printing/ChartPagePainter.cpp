#include "printing/ChartPagePainter.h"
#include "model/Design.h"
#include "printing/LayoutMath.h"
#include "printing/PageText.h"
#include "printing/RealPagePicture.h"
#include "printing/SegmentClipper.h"
#include "printing/SymbolText.h"
#include "printing/TPreview.h"
#include <QPainter>
#include <cmath>

using LayoutMath::nearest;

struct ChartPagePainter::Frame
{
    explicit Frame(const TMyPage& shown)
        : page(shown)
    {
    }
    const TMyPage& page;
    int S = 0;
    int U = 0;
    double gw = 0;
    double gh = 0;
    bool leftBand = false;
    bool topBand = false;
    // Cell edges relative to the origin: column G spans ex[G] .. ex[G + 1].
    std::vector<int> ex;
    std::vector<int> ey;
    // The page's cells in design pixels (nearest(x * gw)), edges included.
    QRect clip;
};

namespace {
std::vector<int> edges(int count, double size)
{
    std::vector<int> e(size_t(count) + 1);
    for (int i = 0; i <= count; ++i)
        e[size_t(i)] = nearest(i * size);
    return e;
}

// The fractional width of grid line `index`: thick on every tenth, medium on every fifth.
double lineWidth(const TPreview& l, int index)
{
    return index % 10 == 0 ? l.ThickLinesPx : (index % 5 == 0 ? l.MediumLinesPx : l.ThinLinesPx);
}

// A point of the half-cell grid in design pixels.
QPoint designPixel(const QPoint& half, double gw, double gh)
{
    return {nearest(half.x() * gw) / 2, nearest(half.y() * gh) / 2};
}

bool isChartKind(TPrintStitches kind)
{
    return kind == psCrossStitchOnly || kind == psBackStitchOnly || kind == psBoth;
}
} // namespace

ChartPagePainter::ChartPagePainter(const PageContext& context)
    : m_c(context)
{
}

QPoint ChartPagePainter::origin(const TMyPage& page) const
{
    const TPreview& l = m_c.layout;
    const bool numbers = l.options.gridNumbers;
    return {page.xOffcetPx + (page.isLeft || numbers ? l.borderPX : 0), page.yOffcetPx + (page.isTop || numbers ? l.borderPX : 0)};
}

ChartPagePainter::Frame ChartPagePainter::frame(const TMyPage& page) const
{
    const TPreview& l = m_c.layout;
    Frame f(page);
    const QPoint o = origin(page);
    f.S = o.x();
    f.U = o.y();
    f.gw = l.gridWidthPx;
    f.gh = l.gridHeightPx;
    f.leftBand = page.isLeft || l.options.gridNumbers;
    f.topBand = page.isTop || l.options.gridNumbers;
    f.ex = edges(page.cellsX, f.gw);
    f.ey = edges(page.cellsY, f.gh);
    f.clip = QRect(QPoint(nearest(page.cellXFirst * f.gw), nearest(page.cellYFirst * f.gh)),
        QPoint(nearest((page.cellXLast + 1) * f.gw), nearest((page.cellYLast + 1) * f.gh)));
    return f;
}

void ChartPagePainter::draw(QPainter& p, const TMyPage& page, RealPagePicture* real) const
{
    if (!isChartKind(page.PrintStitches) || page.cellsX < 1 || page.cellsY < 1)
        return;
    // A page table made for another design size is never read past the layers.
    if (!QRect(0, 0, m_c.design.width(), m_c.design.height()).contains(QRect(page.cellXFirst, page.cellYFirst, page.cellsX, page.cellsY)))
        return;
    const Frame f = frame(page);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    const bool cells = page.PrintStitches != psBackStitchOnly;
    if (m_c.options.real && real) {
        // The picture holds the cells, back stitches, rhodes and knots as thread.
        real->draw(p, page, QPoint(f.S + 1, f.U + 1));
        p.restore();
        return;
    }
    if (cells) {
        drawCells(p, f);
        drawQuarters(p, f);
    }
    drawGrid(p, f);
    if (cells)
        drawSymbols(p, f);
    if (page.PrintStitches != psCrossStitchOnly)
        drawBackStitches(p, f);
    drawKnots(p, f);
    p.restore();
}

void ChartPagePainter::drawGrid(QPainter& p, const Frame& f) const
{
    p.setFont(PageText::points(QStringLiteral("Arial"), 12));
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.setBackgroundMode(Qt::TransparentMode);
    for (int h = 0; h <= f.page.cellsY; ++h)
        drawRulerLine(p, f, true, h);
    for (int v = 0; v <= f.page.cellsX; ++v)
        drawRulerLine(p, f, false, v);
}

// One grid line with its ruler tick and number. Lines are filled rectangles centred on their
// position, so every width lands on the same device pixels on pictures and on paper.
void ChartPagePainter::drawRulerLine(QPainter& p, const Frame& f, bool horizontal, int i) const
{
    const TPreview& l = m_c.layout;
    const int a = horizontal ? f.page.cellYFirst + i : f.page.cellXFirst + i;
    const int width = std::max(1, int(lineWidth(l, a)));
    const bool band = (horizontal ? f.leftBand : f.topBand) && m_c.options.ruler;
    const int tick = !band ? 0 : (a % 10 == 0 ? l.borderPX : (a % 5 == 0 ? l.borderPX / 2 : l.borderPX / 4));
    const int count = horizontal ? f.page.cellsY : f.page.cellsX;
    const bool across = m_c.options.grid || i == 0 || i == count;
    const int at = horizontal ? f.U + f.ey[size_t(i)] : f.S + f.ex[size_t(i)];
    const int start = (horizontal ? f.S : f.U) - tick;
    const int end = across ? (horizontal ? f.S + f.ex.back() : f.U + f.ey.back()) : start + tick;
    if (end > start) {
        const QRect line = horizontal ? QRect(start - width / 2, at - width / 2, end - start + width, width)
                                      : QRect(at - width / 2, start - width / 2, width, end - start + width);
        p.fillRect(line, Qt::black);
    }
    if (!band || a % 10 != 0 || a == 0)
        return;
    const QString number = QString::number(a);
    if (horizontal)
        PageText::at(p, f.S - l.borderPX, at, number);
    else
        PageText::at(p, at - nearest(l.mmPx) - PageText::extent(p, number).width(), f.U - l.borderPX, number);
}

void ChartPagePainter::drawCells(QPainter& p, const Frame& f) const
{
    if (!m_c.options.useColors)
        return;
    const TPreview& l = m_c.layout;
    // The fill keeps clear of the grid lines around it: half the line width on each side.
    const auto insets = [&](int origin, int first, int count, std::vector<int>& lead, std::vector<int>& trail) {
        lead.assign(size_t(count), origin);
        trail.assign(size_t(count), origin);
        if (!m_c.options.grid)
            return;
        for (int i = 0; i < count; ++i) {
            const int a = first + i;
            lead[size_t(i)] = int(origin + lineWidth(l, a) / 2);
            trail[size_t(i)] = int(origin - lineWidth(l, a + 1) / 2);
        }
    };
    std::vector<int> xl, xr, yt, yb;
    insets(f.S, f.page.cellXFirst, f.page.cellsX, xl, xr);
    insets(f.U, f.page.cellYFirst, f.page.cellsY, yt, yb);
    const bool circles = m_c.options.circles || m_c.options.lightCircles;
    for (int H = 0; H < f.page.cellsY; ++H) {
        const TColor32* row = m_c.design.CrossLayer.constScanLine(f.page.cellYFirst + H) + f.page.cellXFirst;
        for (int G = 0; G < f.page.cellsX; ++G) {
            const TColorRef c = colorRefFromColor32(row[G]);
            const QRect box(QPoint(f.ex[size_t(G)] + xl[size_t(G)], f.ey[size_t(H)] + yt[size_t(H)]),
                QPoint(f.ex[size_t(G) + 1] + xr[size_t(G)] - 1, f.ey[size_t(H) + 1] + yb[size_t(H)] - 1));
            if (!circles) {
                p.fillRect(box, PageContext::qcolor(m_c.printColor(c)));
                continue;
            }
            if (m_c.options.lightCircles)
                p.fillRect(box, PageContext::qcolor(PageContext::light(c)));
            const QColor own = PageContext::qcolor(c);
            p.setPen(QPen(own, 1));
            p.setBrush(own);
            const int top = nearest(H * f.gh + yt[size_t(H)] + l.ThickLinesPx / 8);
            p.drawEllipse(QRect(QPoint(box.left(), top), box.bottomRight()));
        }
    }
}

void ChartPagePainter::drawSymbols(QPainter& p, const Frame& f) const
{
    const TPreview& l = m_c.layout;
    const TStitch& doc = m_c.design.stitch;
    if (!m_c.options.symbols || doc.symbolSize == 0)
        return;
    SymbolText text(m_c.symbolFont(), l.SymbolSizePX);
    if (!text.shown())
        return;
    const TColor32 empty = doc.BackGroundColor;
    for (int H = 0; H < f.page.cellsY; ++H) {
        const TColor32* row = m_c.design.CrossLayer.constScanLine(f.page.cellYFirst + H) + f.page.cellXFirst;
        for (int G = 0; G < f.page.cellsX; ++G) {
            if (row[G] == empty)
                continue;
            const TColorRef c = colorRefFromColor32(row[G]);
            const std::optional<QChar> symbol = m_c.symbolOf(c);
            if (!symbol)
                continue;
            const QRect cell(f.S + f.ex[size_t(G)] + doc.PrintPosLeft, f.U + f.ey[size_t(H)] - doc.PrintPosTop,
                f.ex[size_t(G) + 1] - f.ex[size_t(G)], f.ey[size_t(H) + 1] - f.ey[size_t(H)]);
            text.drawCentred(p, cell, *symbol, m_c.textOn(m_c.printColor(c)));
        }
    }
}

void ChartPagePainter::drawQuarters(QPainter& p, const Frame& f) const
{
    const TStitch& doc = m_c.design.stitch;
    const TColor32 empty = doc.BackGroundColor;
    SymbolText text(m_c.symbolFont(), doc.symbolSize == 0 ? 0 : m_c.layout.SymbolSizePX / 2);
    const int halfW = nearest(f.gw) / 2;
    const int halfH = nearest(f.gh) / 2;
    for (int Hq = 0; Hq < 2 * f.page.cellsY; ++Hq) {
        const TColor32* row = m_c.design.QuarterLayer.constScanLine(2 * f.page.cellYFirst + Hq) + 2 * f.page.cellXFirst;
        for (int Gq = 0; Gq < 2 * f.page.cellsX; ++Gq) {
            if (row[Gq] == empty)
                continue;
            const TColorRef c = colorRefFromColor32(row[Gq]);
            const int left = f.S + nearest(Gq * f.gw) / 2 + 1;
            const int top = f.U + nearest(Hq * f.gh) / 2 + 1;
            if (m_c.options.useColors) {
                const QRect box(QPoint(left, top), QPoint(f.S + nearest((Gq + 1) * f.gw) / 2 - 1, f.U + nearest((Hq + 1) * f.gh) / 2 - 1));
                p.fillRect(box, PageContext::qcolor(m_c.printColor(c)));
            }
            const std::optional<QChar> symbol = m_c.symbolOf(c);
            if (!symbol || !text.shown())
                continue;
            text.drawCentred(p, QRect(left, top, halfW, halfH), *symbol, m_c.textOn(m_c.printColor(c)));
        }
    }
}

void ChartPagePainter::drawBackStitches(QPainter& p, const Frame& f) const
{
    const Design& d = m_c.design;
    if (d.BackStitchList.isEmpty() && d.RhodeList.isEmpty())
        return;
    std::optional<TBackStitch> previous;
    // Draws one stitch cut at the page; answers whether any of it was on the page.
    const auto stitch = [&](const TBackStitch& s, TColorRef color, bool marker) {
        QPoint a = designPixel(s.FromPoint, f.gw, f.gh);
        QPoint b = designPixel(s.ToPoint, f.gw, f.gh);
        if (!SegmentClipper::clip(a, b, f.clip))
            return;
        const QPoint shift(f.S - f.clip.left(), f.U - f.clip.top());
        const TColorRef shown = m_c.options.useColors ? m_c.printColor(color) : PageContext::grey(color);
        p.setPen(QPen(PageContext::qcolor(shown), m_c.layout.BackStitchLinesPx, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(a + shift, b + shift);
        if (marker && !m_c.options.real)
            drawMarker(p, f, a + shift, b + shift, color);
    };
    if (m_c.options.backStitches) {
        for (const TBackStitch& s : d.BackStitchList) {
            const bool continues = previous && previous->ToPoint == s.FromPoint && previous->Color == s.Color;
            stitch(s, s.Color, !continues);
            previous = s;
        }
    }
    if (m_c.options.rhodes) {
        for (const TRhodeRef& rhode : d.RhodeList) {
            bool first = true;
            for (const TBackStitch& s : rhode->stitches) {
                stitch(s, rhode->color, first);
                first = false;
            }
        }
    }
}

// The colour marker two thirds of a cell along the stitch from its start. A stitch without
// length has no direction and gets none.
void ChartPagePainter::drawMarker(QPainter& p, const Frame& f, QPoint from, QPoint to, TColorRef color) const
{
    const double dx = from.x() - to.x();
    const double dy = from.y() - to.y();
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d == 0)
        return;
    const auto along = [&](double delta) { return delta == 0 ? 0 : int(std::floor(-(2.0 / 3.0) * f.gw * delta / d)); };
    const QPoint c = from + QPoint(along(dx), along(dy));
    const int rx = nearest(f.gw) / 2;
    const int ry = nearest(f.gh) / 2;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(m_c.options.useColors ? PageContext::qcolor(m_c.printColor(color)) : QColor(Qt::white));
    p.drawEllipse(QRect(QPoint(c.x() - rx, c.y() - ry), QPoint(c.x() + rx, c.y() + ry)));
    const std::optional<QChar> symbol = m_c.symbolOf(color);
    if (!symbol || !m_c.options.backSymbol || m_c.design.stitch.symbolSize == 0)
        return;
    SymbolText text(m_c.symbolFont(), nearest(2 * f.gh) / 3);
    text.drawCentred(p, QRect(QPoint(c.x() - rx, c.y() - ry), QPoint(c.x() + rx, c.y() + ry)), *symbol, m_c.textOn(color));
}

void ChartPagePainter::drawKnots(QPainter& p, const Frame& f) const
{
    const Design& d = m_c.design;
    if (!m_c.options.rhodes || d.FrenchKnotList.isEmpty())
        return;
    const TMyPage& page = f.page;
    // A knot on the design's own right or bottom edge line belongs to the last page column or row.
    const int right = 2 * page.cellXLast + 2 + (page.cellXLast + 1 >= d.width() ? 1 : 0);
    const int bottom = 2 * page.cellYLast + 2 + (page.cellYLast + 1 >= d.height() ? 1 : 0);
    const int rx = nearest(f.gw) / 3;
    const int ry = nearest(f.gh) / 3;
    for (const TFrenchKnot& knot : d.FrenchKnotList) {
        const QPoint at = knot.Center;
        if (at.x() < 2 * page.cellXFirst || at.x() >= right || at.y() < 2 * page.cellYFirst || at.y() >= bottom)
            continue;
        const QPoint c = designPixel(at, f.gw, f.gh) + QPoint(f.S - f.clip.left(), f.U - f.clip.top());
        const TColorRef line = m_c.options.useColors ? m_c.printColor(knot.Color) : PageContext::grey(knot.Color);
        p.setPen(QPen(PageContext::qcolor(line), 1));
        p.setBrush(PageContext::qcolor(knot.Color));
        p.drawEllipse(QRect(QPoint(c.x() - rx, c.y() - ry), QPoint(c.x() + rx - 1, c.y() + ry - 1)));
    }
}
