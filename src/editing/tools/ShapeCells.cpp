#include "editing/tools/ShapeCells.h"
#include "editing/tools/CellList.h"
#include "editing/tools/GridSegment.h"
#include "editing/tools/PenFootprint.h"
#include "editing/tools/RegionWalk.h"
#include "imaging/TBitmap32.h"
#include <algorithm>
#include <cmath>

namespace {
// The box with the two cells as corners, whichever they are.
QRect spanned(const QPoint& a, const QPoint& b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())), QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

// The box of two cells grown by the farthest reach of a pen (one cell left and up, two right
// and down), where every stamped cell falls.
QRect stampedBox(const QPoint& a, const QPoint& b)
{
    return spanned(a, b).adjusted(-1, -1, 2, 2);
}

void floodInside(CellList& list, const QPoint& centre, const QRect& design)
{
    QList<QPoint> stack{centre};
    while (!stack.isEmpty()) {
        const QPoint p = stack.takeLast();
        if (!design.contains(p) || !list.add(p))
            continue;
        for (int n = 0; n < 4; ++n)
            stack.append(p + RegionWalk::kNeighbours[n]);
    }
}
} // namespace

QList<QPoint> ShapeCells::line(const QPoint& from, const QPoint& to, int penSize)
{
    const QList<QPoint> pen = PenFootprint::around(QPoint(), penSize);
    CellList list(stampedBox(from, to));
    for (const QPoint& p : GridSegment::points(from, to))
        list.stamp(p, pen);
    return list.take();
}

QList<QPoint> ShapeCells::rectangle(const QPoint& from, const QPoint& to, int penSize, TFillMode fill)
{
    const QList<QPoint> pen = PenFootprint::square(QPoint(), penSize);
    const QRect box = spanned(from, to);
    CellList list(stampedBox(from, to));
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const bool edgeRow = y == box.top() || y == box.bottom();
        for (int x = box.left(); x <= box.right(); ++x) {
            if (fill == fillFull || edgeRow || x == box.left() || x == box.right())
                list.stamp(QPoint(x, y), pen);
        }
    }
    return list.take();
}

QList<QPoint> ShapeCells::circle(const QPoint& centre, const QPoint& rim, int penSize, TFillMode fill, const QSize& design)
{
    const double dx = centre.x() - rim.x();
    const double dy = centre.y() - rim.y();
    const int r = int(std::floor(std::sqrt(dx * dx + dy * dy)));
    const QRect area(QPoint(0, 0), design);
    const QRect ring(centre - QPoint(r, r), centre + QPoint(r, r));
    CellList list(ring.adjusted(-1, -1, 2, 2).intersected(area.adjusted(-2, -2, 2, 2)));
    const QList<QPoint> pen = PenFootprint::around(QPoint(), penSize);
    const int cx = centre.x();
    const int cy = centre.y();
    const auto stamp = [&](int x, int y) { list.stamp(QPoint(x, y), pen); };

    int f = 1 - r;
    int ddx = 1;
    int ddy = -2 * r;
    int x = 0;
    int y = r;
    stamp(cx, cy + r);
    stamp(cx, cy - r);
    stamp(cx + r, cy);
    for (;;) {
        stamp(cx - y, cy - x);
        if (x >= y)
            break;
        if (f >= 0) {
            ddy += 2;
            f += ddy;
            --y;
        }
        ddx += 2;
        f += ddx;
        ++x;
        stamp(cx + x, cy + y);
        stamp(cx - x, cy + y);
        stamp(cx + x, cy - y);
        stamp(cx - x, cy - y);
        stamp(cx + y, cy + x);
        stamp(cx - y, cy + x);
        stamp(cx + y, cy - x);
    }
    list.keepInside(area);
    if (fill == fillFull && !list.contains(centre))
        floodInside(list, centre, area);
    return list.take();
}

QList<QPoint> ShapeCells::regionBorder(const TBitmap32& cells, const QPoint& start, bool round)
{
    const QList<QPoint> region = RegionWalk::region(cells, start, true);
    if (region.isEmpty())
        return {};
    const quint32 value = cells.pixel(start.x(), start.y());
    const int neighbours = round ? 4 : 8;
    QList<QPoint> border;
    for (const QPoint& p : region) {
        for (int n = 0; n < neighbours; ++n) {
            if (RegionWalk::differs(cells, p + RegionWalk::kNeighbours[n], value)) {
                border.append(p);
                break;
            }
        }
    }
    return border;
}

QList<QPoint> ShapeCells::outlineBorder(const TBitmap32& cells, const QPoint& start, bool round)
{
    const QList<QPoint> border = regionBorder(cells, start, false);
    if (border.isEmpty())
        return {};
    const quint32 value = cells.pixel(start.x(), start.y());
    const int neighbours = round ? 4 : 8;
    QList<QPoint> around;
    for (const QPoint& p : border) {
        for (int n = 0; n < neighbours; ++n) {
            const QPoint q = p + RegionWalk::kNeighbours[n];
            // Outside the design there is nothing to draw on.
            if (cells.contains(q.x(), q.y()) && cells.pixel(q.x(), q.y()) != value)
                around.append(q);
        }
    }
    return around;
}
