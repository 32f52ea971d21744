#include "view/SelectionLayer.h"
#include "editing/ClipboardBuffer.h"
#include "editing/tools/SelectionTool.h"
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace {
constexpr quint32 W = 0xFFFFFFFFu;
constexpr quint32 B = 0xFF000000u;

struct Stipple
{
    int length;
    quint32 pixels[8];
};

constexpr Stipple kStipples[SelectionLayer::kPhases] = {
    {7, {W, W, W, W, B, B, B}},
    {8, {B, B, W, W, B, W, W, B}},
    {7, {B, B, B, B, W, W, W}},
    {7, {W, W, B, B, B, B, W}},
};

// One edge of the outline as an image line of the stipple, its first pixel at `start` pixels
// along the edge.
QImage stippleLine(const Stipple& s, int start, int count, bool horizontal)
{
    QImage line(horizontal ? count : 1, horizontal ? 1 : count, QImage::Format_RGB32);
    auto* pixels = reinterpret_cast<quint32*>(line.bits());
    const int step = horizontal ? 1 : int(line.bytesPerLine() / 4);
    for (int i = 0; i < count; ++i)
        pixels[i * step] = s.pixels[((start + i) % s.length + s.length) % s.length];
    return line;
}

QPoint pixelOf(const QPoint& halfPoint, const ViewGeometry& g, const QPoint& origin)
{
    return origin + QPoint(halfPoint.x() * g.CellWidth / 2, halfPoint.y() * g.CellHeight / 2);
}

QRect handleInView(const TRect& selection, const ViewGeometry& g, TDragKind handle)
{
    return SelectionTool::handleRect(selection, QSize(g.CellWidth, g.CellHeight), handle)
        .translated(-g.h * g.CellWidth, -g.v * g.CellHeight);
}

constexpr TDragKind kHandles[] = {dkTopLeft, dkTop, dkTopRight, dkRight, dkBottomRight, dkBottom, dkBottomLeft, dkLeft};
} // namespace

QRect SelectionLayer::frameRect(const TRect& s, const ViewGeometry& g)
{
    return QRect(QPoint((s.Left - g.h) * g.CellWidth, (s.Top - g.v) * g.CellHeight),
        QPoint((s.Right - g.h) * g.CellWidth, (s.Bottom - g.v) * g.CellHeight));
}

QRegion SelectionLayer::frameRegion(const TRect& s, const ViewGeometry& g)
{
    const QRect r = frameRect(s, g);
    QRegion region;
    region += QRect(r.topLeft(), QSize(r.width(), 1));
    region += QRect(r.bottomLeft(), QSize(r.width(), 1));
    region += QRect(r.topLeft(), QSize(1, r.height()));
    region += QRect(r.topRight(), QSize(1, r.height()));
    for (TDragKind handle : kHandles)
        region += handleInView(s, g, handle);
    return region;
}

void SelectionLayer::drawFrame(QPainter& p, const TRect& s, const ViewGeometry& g, int phase, const QRect& area)
{
    const Stipple& stipple = kStipples[((phase % kPhases) + kPhases) % kPhases];
    const QRect r = frameRect(s, g);
    // Each edge only where it meets the area.
    const auto horizontal = [&](int y) {
        if (y < area.top() || y > area.bottom())
            return;
        const int x0 = std::max(r.left(), area.left()), x1 = std::min(r.right(), area.right());
        if (x0 <= x1)
            p.drawImage(QPoint(x0, y), stippleLine(stipple, x0 - r.left(), x1 - x0 + 1, true));
    };
    const auto vertical = [&](int x) {
        if (x < area.left() || x > area.right())
            return;
        const int y0 = std::max(r.top(), area.top()), y1 = std::min(r.bottom(), area.bottom());
        if (y0 <= y1)
            p.drawImage(QPoint(x, y0), stippleLine(stipple, y0 - r.top(), y1 - y0 + 1, false));
    };
    horizontal(r.top());
    horizontal(r.bottom());
    vertical(r.left());
    vertical(r.right());
    for (TDragKind handle : kHandles) {
        const QRect square = handleInView(s, g, handle);
        if (square.intersects(area))
            p.fillRect(square, QColor::fromRgba(kHandleColor));
    }
}

void SelectionLayer::drawFloating(QPainter& p, const ClipboardBuffer& buffer, const TRect& s, const ViewGeometry& g,
    const QRect& area)
{
    if (!buffer.hasRaster())
        return;
    const QPoint origin = frameRect(s, g).topLeft();
    const QRect local = area.translated(-origin);
    const auto span = [](int from, int to, int size, int limit, int& first, int& last) {
        first = std::max(0, from / size - 1);
        last = std::min(limit - 1, to / size + 1);
    };
    p.save();
    p.setClipRect(area);
    p.setRenderHint(QPainter::Antialiasing, false);
    int x0, x1, y0, y1;
    span(local.left(), local.right(), g.CellWidth, buffer.width(), x0, x1);
    span(local.top(), local.bottom(), g.CellHeight, buffer.height(), y0, y1);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            if (!buffer.isEmptyCell(x, y))
                p.fillRect(origin.x() + x * g.CellWidth, origin.y() + y * g.CellHeight, g.CellWidth, g.CellHeight,
                    QColor::fromRgb(rgbOf(buffer.bitmap.canvasPixel(x, y))));
        }
    }
    for (int qy = 2 * y0; qy <= 2 * y1 + 1; ++qy) {
        for (int qx = 2 * x0; qx <= 2 * x1 + 1; ++qx) {
            if (buffer.isEmptyQuarter(qx, qy))
                continue;
            const QPoint from = pixelOf(QPoint(qx, qy), g, origin);
            const QPoint to = pixelOf(QPoint(qx + 1, qy + 1), g, origin);
            p.fillRect(QRect(from, to - QPoint(1, 1)), QColor::fromRgb(rgbOf(buffer.qbitmap.canvasPixel(qx, qy))));
        }
    }
    const auto line = [&](const TBackStitch& s, TColorRef color, int width) {
        const QPoint a = pixelOf(s.FromPoint, g, origin), b = pixelOf(s.ToPoint, g, origin);
        if (!QRect(a, b).normalized().adjusted(-width, -width, width, width).intersects(area))
            return;
        p.setPen(QPen(QColor::fromRgb(rgbOf(color)), width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
    };
    for (const TBackStitch& stitch : buffer.BackStitches)
        line(stitch, stitch.Color, 5);
    for (const TRhodeRef& rhode : buffer.Rhodes) {
        for (const TBackStitch& stitch : rhode->stitches)
            line(stitch, rhode->color, 3);
    }
    const int r = g.CellWidth / 2;
    p.setPen(Qt::NoPen);
    for (const TFrenchKnot& knot : buffer.FrenchKnots) {
        const QPoint c = pixelOf(knot.Center, g, origin);
        const QRect circle(QPoint(c.x() - r + 2, c.y() - r + 2), QPoint(c.x() + r - 2, c.y() + r - 2));
        if (!circle.intersects(area))
            continue;
        p.setBrush(QColor::fromRgb(rgbOf(knot.Color)));
        p.drawEllipse(circle);
    }
    p.restore();
}
