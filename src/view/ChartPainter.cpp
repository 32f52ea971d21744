#include "view/ChartPainter.h"
#include "model/Design.h"
#include "model/TCharacters.h"
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace {
using Placement = ChartPainter::Placement;

// Rounds down to whole device units; without a call to floor, which the inner loops would pay
// for every cell.
int snap(qreal v)
{
    const int truncated = int(v);
    return truncated - (v < truncated ? 1 : 0);
}

// Device edges: column x starts at cellX(x); the half-cell grid (quarters, stitch points) has
// its lines at halfX(k), so halfX(2x) == cellX(x).
int cellX(const Placement& at, qint64 x)
{
    return snap(at.origin.x() + qreal(x) * at.cell.width());
}
int cellY(const Placement& at, qint64 y)
{
    return snap(at.origin.y() + qreal(y) * at.cell.height());
}
int halfX(const Placement& at, qint64 k)
{
    return snap(at.origin.x() + qreal(k) * at.cell.width() / 2);
}
int halfY(const Placement& at, qint64 k)
{
    return snap(at.origin.y() + qreal(k) * at.cell.height() / 2);
}
// The cells whose units meet a device rectangle: unit u lies in the last cell whose first unit
// is at most u.
QRect cellsMeeting(const QRect& rect, const Placement& at)
{
    const auto cellOf = [](int unit, qreal origin, qreal size) {
        return int(std::clamp(std::ceil((qreal(unit) + 1 - origin) / size) - 1, qreal(INT_MIN / 2), qreal(INT_MAX / 2)));
    };
    return QRect(QPoint(cellOf(rect.left(), at.origin.x(), at.cell.width()), cellOf(rect.top(), at.origin.y(), at.cell.height())),
        QPoint(cellOf(rect.right(), at.origin.x(), at.cell.width()), cellOf(rect.bottom(), at.origin.y(), at.cell.height())));
}

QPoint pointAt(const Placement& at, const QPoint& point)
{
    return {halfX(at, point.x()), halfY(at, point.y())};
}

int units(double width)
{
    return std::max(1, int(std::lround(width)));
}

// The colour a stitch is shown in, opaque.
quint32 shownColor(TColorRef color, const ChartOptions& o)
{
    if (o.highlight && color != *o.highlight)
        return ChartPainter::highlightGrey(color);
    return 0xFF000000u | rgbOf(color);
}

quint32 shownValue(TColor32 stored, TColor32 empty, const ChartOptions& o)
{
    return stored == empty ? empty : shownColor(colorRefFromColor32(stored), o);
}

// Fills the runs of equal values of one raster row; raster pixel i covers the device units from
// edgeX(i) to edgeX(i + 1).
template <typename EdgeX>
void fillRow(ChartSurface& s, ChartSurface::Spans& spans, const TColor32* row, int first, int last, int top, int bottom,
    EdgeX edgeX, TColor32 empty, bool skipEmpty, const ChartOptions& o)
{
    if (top >= bottom)
        return;
    spans.clear();
    for (int i = first; i <= last;) {
        const TColor32 value = row[i];
        int end = i + 1;
        while (end <= last && row[end] == value)
            ++end;
        if (!(skipEmpty && value == empty))
            spans.push_back({edgeX(i), edgeX(end), shownValue(value, empty, o)});
        i = end;
    }
    s.fillSpans(top, bottom, spans);
}

// The symbol of a stored stitch value and its colour: white on dark stitches, near-black on
// light ones. Remembers the last value, since neighbouring cells mostly share one.
class SymbolLookup
{
public:
    explicit SymbolLookup(const TStitch& doc)
        : m_doc(doc)
    {
    }

    struct Symbol
    {
        QChar symbol;
        quint32 color;
    };

    const std::optional<Symbol>& operator()(TColor32 stored)
    {
        if (m_known && stored == m_value)
            return m_symbol;
        m_known = true;
        m_value = stored;
        m_symbol.reset();
        const TColorRef color = colorRefFromColor32(stored);
        if (const TColorInfo* info = m_doc.Colors.find(color)) {
            if (const std::optional<QChar> symbol = m_doc.chars->symbolOf(info->charID))
                m_symbol = Symbol{*symbol, lightnessOf(color) <= 128 ? SymbolGlyphs::kWhite : SymbolGlyphs::kNearBlack};
        }
        return m_symbol;
    }

private:
    const TStitch& m_doc;
    bool m_known = false;
    TColor32 m_value = 0;
    std::optional<Symbol> m_symbol;
};
} // namespace

quint32 ChartPainter::highlightGrey(TColorRef color)
{
    const quint32 grey = quint32((redOf(color) + greenOf(color) + blueOf(color)) / 12 + 192);
    return 0xFF000000u | (grey << 16) | (grey << 8) | grey;
}

QRect ChartPainter::cellsArea(const QRect& cells, const Placement& at)
{
    const int left = cellX(at, cells.left());
    const int top = cellY(at, cells.top());
    return QRect(left, top, cellX(at, qint64(cells.right()) + 1) - left, cellY(at, qint64(cells.bottom()) + 1) - top);
}

void ChartPainter::invalidateStitchIndex()
{
    m_stitchIndex = StitchIndex();
}

void ChartPainter::paint(QPainter& p, const Design& d, const QRect& asked, const Placement& at, const ChartOptions& o)
{
    if (d.CrossLayer.empty() || at.cell.width() <= 0 || at.cell.height() <= 0)
        return;
    QRect cells = asked & QRect(0, 0, d.width(), d.height());
    // Cells the painter's clip hides cost nothing.
    const QRect clip = p.hasClipping() ? p.clipBoundingRect().toAlignedRect() : QRect();
    if (!clip.isNull())
        cells &= cellsMeeting(clip, at);
    if (cells.isEmpty())
        return;
    // A ruled grid's lines are centred on the edges, so the outer ones reach past the cells.
    const int reach = o.grid == ChartGrid::Ruled ? units(o.thickLine) / 2 + 1 : 0;
    const QRect area = cellsArea(cells, at).adjusted(-reach, -reach, reach, reach);
    const QRect visible = clip.isNull() ? area : area & clip;
    if (visible.isEmpty())
        return;
    ChartSurface* surface = m_raster.begin(p, area) ? static_cast<ChartSurface*>(&m_raster) : &m_vector;
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing, false);
    m_vector.begin(p);

    paintCells(*surface, d, cells, at, o);
    paintKnots(p, d, visible, at, o);
    if (o.backStitches)
        paintBackStitches(p, d, visible, at, o);
    paintQuarters(*surface, d, cells, at, o);
    paintGrid(*surface, cells, at, o);
    if (o.symbols && d.stitch.chars)
        paintSymbols(*surface, d, cells, at, o);
    p.restore();
}

void ChartPainter::paintCells(ChartSurface& s, const Design& d, const QRect& cells, const Placement& at, const ChartOptions& o)
{
    const auto edgeX = [&at](int x) { return cellX(at, x); };
    for (int y = cells.top(); y <= cells.bottom(); ++y) {
        fillRow(s, m_spans, d.CrossLayer.constScanLine(y), cells.left(), cells.right(), cellY(at, y), cellY(at, y + 1), edgeX,
            d.stitch.BackGroundColor, false, o);
    }
}

void ChartPainter::paintQuarters(ChartSurface& s, const Design& d, const QRect& cells, const Placement& at, const ChartOptions& o)
{
    const auto edgeX = [&at](int qx) { return halfX(at, qx); };
    for (int qy = 2 * cells.top(); qy <= 2 * cells.bottom() + 1; ++qy) {
        fillRow(s, m_spans, d.QuarterLayer.constScanLine(qy), 2 * cells.left(), 2 * cells.right() + 1, halfY(at, qy),
            halfY(at, qy + 1), edgeX, d.stitch.BackGroundColor, true, o);
    }
}

void ChartPainter::paintKnots(QPainter& p, const Design& d, const QRect& visible, const Placement& at, const ChartOptions& o)
{
    // The ellipse inside the square of the cell around the centre, kept `knotInset` from its
    // sides (one unit less on the right and bottom).
    const qreal r = std::floor(at.cell.width() / 2);
    const qreal side = 2 * r - 2 * o.knotInset + 1;
    if (side <= 0)
        return;
    p.setPen(Qt::NoPen);
    for (const TFrenchKnot& knot : d.FrenchKnotList) {
        const QPoint c = pointAt(at, knot.Center);
        const QRectF box(c.x() - r + o.knotInset, c.y() - r + o.knotInset, side, side);
        if (!box.intersects(QRectF(visible)))
            continue;
        p.setBrush(QColor::fromRgb(shownColor(knot.Color, o)));
        p.drawEllipse(box);
    }
}

void ChartPainter::paintBackStitches(QPainter& p, const Design& d, const QRect& visible, const Placement& at, const ChartOptions& o)
{
    if (!m_stitchIndex.builtFor(d))
        m_stitchIndex.build(d);
    // The half-cell points around the visible units, widened by the pen: the half cells met
    // and the points at their corners.
    const int pen = int(std::ceil(std::max(o.backStitchWidth, o.rhodeWidth) / 2)) + 1;
    const QRect halves = cellsMeeting(visible.adjusted(-pen, -pen, pen, pen), {at.origin, at.cell / 2});
    const QRect points = halves.adjusted(0, 0, 1, 1);
    p.setBrush(Qt::NoBrush);
    const auto draw = [&](const TBackStitch& s, TColorRef color, double width) {
        p.setPen(QPen(QColor::fromRgb(shownColor(color, o)), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(pointAt(at, s.FromPoint), pointAt(at, s.ToPoint));
    };
    for (int i : m_stitchIndex.backStitchesNear(points)) {
        const TBackStitch& s = d.BackStitchList[i];
        draw(s, s.Color, o.backStitchWidth);
    }
    for (int i : m_stitchIndex.rhodesNear(points)) {
        const TRhode& rhode = *d.RhodeList[i];
        for (const TBackStitch& s : rhode.stitches)
            draw(s, rhode.color, o.rhodeWidth);
    }
}

void ChartPainter::paintGrid(ChartSurface& s, const QRect& cells, const Placement& at, const ChartOptions& o)
{
    if (o.grid == ChartGrid::None)
        return;
    const bool ruled = o.grid == ChartGrid::Ruled;
    const auto width = [&](int index) {
        if (!ruled || index % 5 != 0)
            return units(o.thinLine);
        return units(index % 10 == 0 ? o.thickLine : o.mediumLine);
    };
    // Cell lines run on the left and top of every cell; a ruled grid closes the last cells too.
    const int extra = ruled ? 1 : 0;
    const QRect area = cellsArea(cells, at);
    m_spans.clear();
    for (int x = cells.left(); x <= cells.right() + extra; ++x) {
        const int left = cellX(at, x) - (width(x) - 1) / 2;
        m_spans.push_back({left, left + width(x), kGridLine});
    }
    s.fillSpans(area.top(), area.bottom() + 1, m_spans);
    for (int y = cells.top(); y <= cells.bottom() + extra; ++y) {
        const int w = width(y);
        s.fill(QRect(area.left(), cellY(at, y) - (w - 1) / 2, area.width(), w), kGridLine);
    }
}

void ChartPainter::paintSymbols(ChartSurface& s, const Design& d, const QRect& cells, const Placement& at, const ChartOptions& o)
{
    const TStitch& doc = d.stitch;
    const int cellHeight = snap(at.cell.height());
    s.setSymbolFont(ChartSurface::CellSymbol, doc.chars->ffontname, cellHeight - o.symbolInset);
    s.setSymbolFont(ChartSurface::QuarterSymbol, doc.chars->ffontname, std::max(1, cellHeight / 2) - o.symbolInset);
    const TColor32 empty = doc.BackGroundColor;
    SymbolLookup lookup(doc);
    // A glyph may reach a little past its cell, so the cells left of and above count too.
    const QRect near = cells.adjusted(-1, -1, 0, 0) & QRect(0, 0, d.width(), d.height());
    const auto drawRow = [&](ChartSurface::SymbolSize size, const TColor32* line, int first, int last, int top,
                             const auto& edgeX) {
        for (int i = first; i <= last;) {
            const TColor32 value = line[i];
            int end = i + 1;
            while (end <= last && line[end] == value)
                ++end;
            if (value != empty) {
                if (const auto& symbol = lookup(value)) {
                    for (; i < end; ++i)
                        s.drawSymbol(size, QPoint(edgeX(i), top), symbol->symbol, symbol->color);
                }
            }
            i = end;
        }
    };
    const auto cellEdge = [&at](int x) { return cellX(at, x); };
    for (int y = near.top(); y <= near.bottom(); ++y)
        drawRow(ChartSurface::CellSymbol, d.CrossLayer.constScanLine(y), near.left(), near.right(), cellY(at, y), cellEdge);
    const auto halfEdge = [&at](int qx) { return halfX(at, qx); };
    for (int qy = 2 * near.top(); qy <= 2 * near.bottom() + 1; ++qy) {
        drawRow(ChartSurface::QuarterSymbol, d.QuarterLayer.constScanLine(qy), 2 * near.left(), 2 * near.right() + 1,
            halfY(at, qy), halfEdge);
    }
}
