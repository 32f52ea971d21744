#include "view/ViewGeometry.h"
#include "imaging/Rounding.h"

ViewGeometry ViewGeometry::forZoom(int zoom, bool knitting, int h, int v)
{
    ViewGeometry g;
    g.CellWidth = zoom;
    g.CellHeight = knitting ? rnd(zoom * 0.7) : zoom;
    if (g.CellHeight < 1)
        g.CellHeight = 1;
    g.h = h;
    g.v = v;
    return g;
}

int ViewGeometry::zoomPercent(int zoom)
{
    return rnd(zoom / 4.0 * 100);
}

QPoint ViewGeometry::cellAt(const QPoint& pixel) const
{
    return {pixel.x() / CellWidth + h, pixel.y() / CellHeight + v};
}

QPoint ViewGeometry::quarterAt(const QPoint& pixel) const
{
    return {pixel.x() / halfWidth() + 2 * h, pixel.y() / halfHeight() + 2 * v};
}

QPoint ViewGeometry::halfPointAt(const QPoint& pixel) const
{
    return {(pixel.x() + CellWidth / 4) / halfWidth() + 2 * h, (pixel.y() + CellHeight / 4) / halfHeight() + 2 * v};
}

QRect ViewGeometry::cellRect(int x, int y) const
{
    return {(x - h) * CellWidth, (y - v) * CellHeight, CellWidth, CellHeight};
}

QRect ViewGeometry::quarterRect(int qx, int qy) const
{
    const int left = (qx - 2 * h) * CellWidth / 2;
    const int top = (qy - 2 * v) * CellHeight / 2;
    const int right = (qx - 2 * h + 1) * CellWidth / 2;
    const int bottom = (qy - 2 * v + 1) * CellHeight / 2;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QPoint ViewGeometry::pointPosition(int px, int py) const
{
    return {px * CellWidth / 2 - h * CellWidth, py * CellHeight / 2 - v * CellHeight};
}

QRect ViewGeometry::cellsRect(const QRect& cells) const
{
    return {(cells.x() - h) * CellWidth, (cells.y() - v) * CellHeight, cells.width() * CellWidth, cells.height() * CellHeight};
}

QRect ViewGeometry::cellsMeeting(const QRect& pixels) const
{
    const auto floorDiv = [](int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
    const int x0 = floorDiv(pixels.left(), CellWidth) + h;
    const int y0 = floorDiv(pixels.top(), CellHeight) + v;
    const int x1 = floorDiv(pixels.right(), CellWidth) + h;
    const int y1 = floorDiv(pixels.bottom(), CellHeight) + v;
    return QRect(QPoint(x0, y0), QPoint(x1, y1));
}
