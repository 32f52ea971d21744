#include "view/ChartRenderer.h"
#include "editing/SelectionSession.h"
#include "model/Design.h"
#include "view/SelectionLayer.h"
#include <QPainter>
#include <climits>

namespace {
// The grey around the design: the area's pixels that `inside` (the design's part of it, or an
// empty rectangle) does not cover.
void fillOutside(QPainter& p, const QRect& area, const QRect& inside)
{
    const QColor grey = QColor::fromRgb(ChartRenderer::kOutside);
    if (inside.isEmpty()) {
        p.fillRect(area, grey);
        return;
    }
    p.fillRect(QRect(QPoint(area.left(), area.top()), QPoint(area.right(), inside.top() - 1)), grey);
    p.fillRect(QRect(QPoint(area.left(), inside.bottom() + 1), area.bottomRight()), grey);
    p.fillRect(QRect(QPoint(area.left(), inside.top()), QPoint(inside.left() - 1, inside.bottom())), grey);
    p.fillRect(QRect(QPoint(inside.right() + 1, inside.top()), QPoint(area.right(), inside.bottom())), grey);
}
} // namespace

void ChartRenderer::invalidateStitchIndex()
{
    m_painter.invalidateStitchIndex();
}

ChartPainter::Placement ChartRenderer::placement(const ViewGeometry& g)
{
    return {QPointF(-g.h * g.CellWidth, -g.v * g.CellHeight), QSizeF(g.CellWidth, g.CellHeight)};
}

ChartOptions ChartRenderer::chartOptions(const ViewOptions& o)
{
    ChartOptions c;
    c.grid = o.grid ? ChartGrid::CellLines : ChartGrid::None;
    c.symbols = o.symbols && o.zoom >= ViewGeometry::kSmallestZoomWithSymbols;
    c.backStitches = o.backStitches;
    if (o.highlight)
        c.highlight = o.highlightColor;
    return c;
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
    const QRect inside = design.CrossLayer.empty() ? QRect() : area.intersected(designRect(design, g));
    {
        QPainter p(&frame);
        p.setClipRect(area);
        fillOutside(p, area, inside);
        if (!inside.isEmpty()) {
            p.setClipRect(inside);
            m_painter.paint(p, design, g.cellsMeeting(inside), placement(g), chartOptions(o));
        }
    }
    // The shadow works on the frame's pixels, so the painter has finished with them.
    if (!inside.isEmpty() && !o.shadow.isNull()) {
        const ShadowCombine::Placement shadowPlacement{
            QSize(design.width() * g.CellWidth, design.height() * g.CellHeight), QPoint(g.h * g.CellWidth, g.v * g.CellHeight)};
        m_shadow.apply(frame, inside, o.shadow, shadowPlacement, design.stitch.BackGroundColor, o.shadowOpacity);
    }
    if ((o.selection && o.selection->floating()) || !o.preview.isEmpty()) {
        QPainter p(&frame);
        p.setClipRect(area);
        if (o.selection && o.selection->floating())
            SelectionLayer::drawFloating(p, o.selection->buffer(), o.selection->SelectionRect(), g, area);
        if (!o.preview.isEmpty())
            renderPreview(p, g, o.preview, inside.isEmpty() ? QRect() : g.cellsMeeting(inside));
    }
}

QRect ChartRenderer::previewRect(const ToolPreview& preview, const ViewGeometry& g)
{
    QRect covered;
    if (!preview.cells.isEmpty()) {
        int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
        for (const QPoint& c : preview.cells) {
            left = std::min(left, c.x());
            right = std::max(right, c.x());
            top = std::min(top, c.y());
            bottom = std::max(bottom, c.y());
        }
        covered = g.cellsRect(QRect(QPoint(left, top), QPoint(right, bottom)));
    }
    for (const ToolPreview::Line& line : preview.lines) {
        const int reach = line.width / 2 + 2;
        const QRect ends = QRect(g.pointPosition(line.from.x(), line.from.y()), g.pointPosition(line.to.x(), line.to.y()))
                               .normalized();
        covered |= ends.adjusted(-reach, -reach, reach, reach);
    }
    return covered;
}

void ChartRenderer::renderPreview(QPainter& p, const ViewGeometry& g, const ToolPreview& preview, const QRect& cells)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    if (!cells.isEmpty() && !preview.cells.isEmpty()) {
        const QColor color = QColor::fromRgb(rgbOf(preview.cellColor));
        for (const QPoint& c : preview.cells) {
            if (cells.contains(c))
                p.fillRect(g.cellRect(c.x(), c.y()), color);
        }
    }
    for (const ToolPreview::Line& line : preview.lines) {
        p.setPen(QPen(QColor::fromRgb(rgbOf(line.color)), line.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(g.pointPosition(line.from.x(), line.from.y()), g.pointPosition(line.to.x(), line.to.y()));
    }
}
