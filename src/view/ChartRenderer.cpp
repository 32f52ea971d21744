#include "view/ChartRenderer.h"
#include "model/Design.h"
#include <QPainter>
#include <algorithm>

namespace {
// The colour a stitch pixel is shown in, opaque.
inline quint32 shownColor(TColor32 stored, const ViewOptions& o)
{
    if (o.highlight && colorRefFromColor32(stored) != o.highlightColor)
        return ChartRenderer::highlightGrey(colorRefFromColor32(stored));
    return stored | 0xFF000000u;
}

inline QColor stitchColor(TColorRef color, const ViewOptions& o)
{
    if (o.highlight && color != o.highlightColor)
        return QColor::fromRgb(ChartRenderer::highlightGrey(color));
    return QColor::fromRgb(rgbOf(color));
}

void fillRun(const FramePixels& frame, int y, int x0, int x1, quint32 color)
{
    quint32* line = frame.line(y);
    std::fill(line + x0, line + x1, color);
}

// Fills the region's pixels of a raster shown in blocks: raster pixel (i, j) covers the view
// pixels from edge(i) to edge(i + 1). Empty pixels (the background) are left alone when
// `skipEmpty`, so the layer below shows through.
template <typename EdgeX, typename EdgeY>
void fillBlocks(const FramePixels& frame, const QRect& region, const TBitmap32& raster, int firstX, int lastX, int firstY,
    int lastY, EdgeX edgeX, EdgeY edgeY, TColor32 empty, bool skipEmpty, const ViewOptions& o)
{
    for (int j = firstY; j <= lastY; ++j) {
        const int top = std::max(edgeY(j), region.top());
        const int bottom = std::min(edgeY(j + 1), region.bottom() + 1);
        if (top >= bottom)
            continue;
        const TColor32* source = raster.constScanLine(j);
        // Every pixel row of an opaque block row is the same: it is filled once and copied.
        const int filledRows = skipEmpty ? bottom - top : 1;
        for (int y = top; y < top + filledRows; ++y) {
            int i = firstX;
            while (i <= lastX) {
                const TColor32 value = source[i];
                int run = i + 1;
                while (run <= lastX && source[run] == value)
                    ++run;
                if (!(skipEmpty && value == empty)) {
                    const int left = std::max(edgeX(i), region.left());
                    const int right = std::min(edgeX(run), region.right() + 1);
                    if (left < right)
                        fillRun(frame, y, left, right, value == empty ? empty : shownColor(value, o));
                }
                i = run;
            }
        }
        const int left = std::max(edgeX(firstX), region.left());
        const int right = std::min(edgeX(lastX + 1), region.right() + 1);
        for (int y = top + filledRows; y < bottom && left < right; ++y)
            std::copy_n(frame.line(top) + left, right - left, frame.line(y) + left);
    }
}
// The grey around the design: the area's pixels that `inside` (the design's part of it, or an
// empty rectangle) does not cover. The design's own pixels are painted by its layers.
void fillOutside(const FramePixels& frame, const QRect& area, const QRect& inside)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        if (inside.isEmpty() || y < inside.top() || y > inside.bottom()) {
            fillRun(frame, y, area.left(), area.right() + 1, ChartRenderer::kOutside);
            continue;
        }
        fillRun(frame, y, area.left(), inside.left(), ChartRenderer::kOutside);
        fillRun(frame, y, inside.right() + 1, area.right() + 1, ChartRenderer::kOutside);
    }
}
} // namespace

quint32 ChartRenderer::highlightGrey(TColorRef color)
{
    const quint32 grey = quint32((redOf(color) + greenOf(color) + blueOf(color)) / 12 + 192);
    return 0xFF000000u | (grey << 16) | (grey << 8) | grey;
}

void ChartRenderer::invalidateStitchIndex()
{
    m_stitchIndex = StitchIndex();
}

QRect ChartRenderer::designRect(const Design& design, const ViewGeometry& g)
{
    return g.cellsRect(QRect(0, 0, design.width(), design.height()));
}

QRect ChartRenderer::cellRepaintRect(const ViewGeometry& g, int x, int y)
{
    return g.cellRect(x, y).adjusted(-2, -2, 2, 2);
}

QRect ChartRenderer::quarterRepaintRect(const ViewGeometry& g, int qx, int qy)
{
    return g.quarterRect(qx, qy).adjusted(-2, -2, 2, 2);
}

void ChartRenderer::render(QImage& frame, const QRect& region, const Design& design, const ViewGeometry& g, const ViewOptions& o)
{
    const QRect area = region.intersected(frame.rect());
    if (area.isEmpty())
        return;
    const FramePixels pixels(frame);
    const QRect inside = design.CrossLayer.empty() ? QRect() : area.intersected(designRect(design, g));
    fillOutside(pixels, area, inside);
    if (!inside.isEmpty())
        renderDesign(frame, pixels, inside, design, g, o);
    if (!o.preview.isEmpty())
        renderPreview(frame, area, g, o.preview);
}

void ChartRenderer::renderDesign(QImage& frame, const FramePixels& pixels, const QRect& inside, const Design& design,
    const ViewGeometry& g, const ViewOptions& o)
{
    renderCells(pixels, inside, design, g, o);
    {
        QPainter p(&frame);
        p.setClipRect(inside);
        p.setRenderHint(QPainter::Antialiasing, false);
        renderKnots(p, inside, design, g, o);
        if (o.backStitches)
            renderBackStitches(p, inside, design, g, o);
    }
    renderQuarters(pixels, inside, design, g, o);
    if (o.grid)
        renderGrid(pixels, inside, design, g);
    if (o.symbols && o.zoom >= ViewGeometry::kSmallestZoomWithSymbols)
        renderSymbols(pixels, inside, design, g);
}

QRect ChartRenderer::previewRect(const ToolPreview& preview, const ViewGeometry& g)
{
    QRect covered;
    for (const ToolPreview::Line& line : preview.lines) {
        const int reach = line.width / 2 + 2;
        const QRect ends = QRect(g.pointPosition(line.from.x(), line.from.y()), g.pointPosition(line.to.x(), line.to.y()))
                               .normalized();
        covered |= ends.adjusted(-reach, -reach, reach, reach);
    }
    return covered;
}

void ChartRenderer::renderPreview(QImage& frame, const QRect& region, const ViewGeometry& g, const ToolPreview& preview)
{
    QPainter p(&frame);
    p.setClipRect(region);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const ToolPreview::Line& line : preview.lines) {
        p.setPen(QPen(QColor::fromRgb(rgbOf(line.color)), line.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(g.pointPosition(line.from.x(), line.from.y()), g.pointPosition(line.to.x(), line.to.y()));
    }
}

void ChartRenderer::renderCells(const FramePixels& frame, const QRect& region, const Design& d, const ViewGeometry& g, const ViewOptions& o)
{
    const QRect cells = g.cellsMeeting(region).intersected(QRect(0, 0, d.width(), d.height()));
    if (cells.isEmpty())
        return;
    const auto edgeX = [&g](int x) { return (x - g.h) * g.CellWidth; };
    const auto edgeY = [&g](int y) { return (y - g.v) * g.CellHeight; };
    fillBlocks(frame, region, d.CrossLayer, cells.left(), cells.right(), cells.top(), cells.bottom(), edgeX, edgeY,
        d.stitch.BackGroundColor, false, o);
}

void ChartRenderer::renderQuarters(const FramePixels& frame, const QRect& region, const Design& d, const ViewGeometry& g, const ViewOptions& o)
{
    const QRect cells = g.cellsMeeting(region).intersected(QRect(0, 0, d.width(), d.height()));
    if (cells.isEmpty())
        return;
    const auto edgeX = [&g](int qx) { return (qx - 2 * g.h) * g.CellWidth / 2; };
    const auto edgeY = [&g](int qy) { return (qy - 2 * g.v) * g.CellHeight / 2; };
    fillBlocks(frame, region, d.QuarterLayer, 2 * cells.left(), 2 * cells.right() + 1, 2 * cells.top(),
        2 * cells.bottom() + 1, edgeX, edgeY, d.stitch.BackGroundColor, true, o);
}

void ChartRenderer::renderKnots(QPainter& p, const QRect& region, const Design& d, const ViewGeometry& g, const ViewOptions& o)
{
    const int r = g.CellWidth / 2;
    p.setPen(Qt::NoPen);
    for (const TFrenchKnot& knot : d.FrenchKnotList) {
        const QPoint c = g.pointPosition(knot.Center.x(), knot.Center.y());
        // The filled ellipse inside the corners (c - r + 2) and (c + r - 1), right and bottom
        // edges excluded.
        const QRect box(QPoint(c.x() - r + 2, c.y() - r + 2), QPoint(c.x() + r - 2, c.y() + r - 2));
        if (!box.intersects(region) || box.isEmpty())
            continue;
        p.setBrush(stitchColor(knot.Color, o));
        p.drawEllipse(box);
    }
}

void ChartRenderer::renderBackStitches(QPainter& p, const QRect& region, const Design& d, const ViewGeometry& g, const ViewOptions& o)
{
    if (!m_stitchIndex.builtFor(d))
        m_stitchIndex.build(d);
    // The region in half-cell points, widened by the pen.
    const auto toPoints = [](int pixel, int cell, int scroll) { return (pixel + scroll * cell) * 2 / cell; };
    const int margin = 4;
    const QRect points(QPoint(toPoints(region.left() - margin, g.CellWidth, g.h) - 1,
                           toPoints(region.top() - margin, g.CellHeight, g.v) - 1),
        QPoint(toPoints(region.right() + margin, g.CellWidth, g.h) + 1,
            toPoints(region.bottom() + margin, g.CellHeight, g.v) + 1));
    const auto drawStitch = [&](const TBackStitch& s, TColorRef color, int width) {
        p.setPen(QPen(stitchColor(color, o), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(g.pointPosition(s.FromPoint.x(), s.FromPoint.y()), g.pointPosition(s.ToPoint.x(), s.ToPoint.y()));
    };
    for (int i : m_stitchIndex.backStitchesNear(points)) {
        const TBackStitch& s = d.BackStitchList[i];
        drawStitch(s, s.Color, 5);
    }
    for (int i : m_stitchIndex.rhodesNear(points)) {
        const TRhode& rhode = *d.RhodeList[i];
        for (const TBackStitch& s : rhode.stitches)
            drawStitch(s, rhode.color, 3);
    }
}

void ChartRenderer::renderGrid(const FramePixels& frame, const QRect& region, const Design& d, const ViewGeometry& g)
{
    const QRect cells = g.cellsMeeting(region).intersected(QRect(0, 0, d.width(), d.height()));
    for (int x = cells.left(); x <= cells.right(); ++x) {
        const int px = (x - g.h) * g.CellWidth;
        if (px < region.left() || px > region.right())
            continue;
        for (int y = region.top(); y <= region.bottom(); ++y)
            frame.line(y)[px] = kGridLine;
    }
    for (int y = cells.top(); y <= cells.bottom(); ++y) {
        const int py = (y - g.v) * g.CellHeight;
        if (py >= region.top() && py <= region.bottom())
            fillRun(frame, py, region.left(), region.right() + 1, kGridLine);
    }
}

void ChartRenderer::renderSymbols(const FramePixels& frame, const QRect& region, const Design& d, const ViewGeometry& g)
{
    const TStitch& doc = d.stitch;
    if (!doc.chars)
        return;
    m_cellGlyphs.setFont(doc.chars->ffontname, g.CellHeight - 2);
    m_quarterGlyphs.setFont(doc.chars->ffontname, g.halfHeight() - 2);
    const TColor32 empty = doc.BackGroundColor;
    // A glyph may reach a little past its cell, so cells next to the region count too.
    const QRect cells = g.cellsMeeting(region.adjusted(-g.CellWidth, -g.CellHeight, 0, 0))
                            .intersected(QRect(0, 0, d.width(), d.height()));
    const auto draw = [&](SymbolGlyphs& glyphs, TColor32 stored, const QPoint& at) {
        const TColorRef color = colorRefFromColor32(stored);
        const TColorInfo* info = doc.Colors.find(color);
        if (!info)
            return;
        const std::optional<QChar> symbol = doc.chars->symbolOf(info->charID);
        if (symbol)
            glyphs.draw(frame, region, at.x(), at.y(), *symbol,
                lightnessOf(color) <= 128 ? SymbolGlyphs::kWhite : SymbolGlyphs::kNearBlack);
    };
    for (int y = cells.top(); y <= cells.bottom(); ++y) {
        const TColor32* line = d.CrossLayer.constScanLine(y);
        for (int x = cells.left(); x <= cells.right(); ++x) {
            if (line[x] != empty)
                draw(m_cellGlyphs, line[x], g.cellRect(x, y).topLeft());
        }
    }
    for (int qy = 2 * cells.top(); qy <= 2 * cells.bottom() + 1; ++qy) {
        const TColor32* line = d.QuarterLayer.constScanLine(qy);
        for (int qx = 2 * cells.left(); qx <= 2 * cells.right() + 1; ++qx) {
            if (line[qx] != empty)
                draw(m_quarterGlyphs, line[qx], g.quarterRect(qx, qy).topLeft());
        }
    }
}
