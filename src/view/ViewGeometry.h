#pragma once
#include <QPoint>
#include <QRect>

// Where cells, quarter cells and half-cell grid points of the design lie in the work view, and
// which of them lies under a view pixel. A cell is CellWidth x CellHeight pixels; the view
// shows the design scrolled by h columns and v rows. "div" truncates toward zero, as the
// program's pointer rules do, and the halves of a cell are at least one pixel (knitting cells
// at zoom 2 are 2 x 1 pixels).
struct ViewGeometry
{
    int CellWidth = 8;
    int CellHeight = 8;
    int h = 0;
    int v = 0;

    static constexpr int kZoomSteps[] = {2, 3, 4, 5, 6, 7, 8, 10, 12, 14, 16, 18, 20, 28, 40};
    static constexpr int kZoomStepCount = 15;
    static constexpr int kSmallestZoomWithSymbols = 8;

    // Cell size for zoom z: z x z in stitch cells, z x rnd(0.7 z) in knitting cells.
    static ViewGeometry forZoom(int zoom, bool knitting, int h = 0, int v = 0);
    // The caption of a zoom value: rnd(z / 4 * 100) and "%" (z = 4 is "100%").
    static int zoomPercent(int zoom);

    int halfWidth() const { return CellWidth / 2 > 0 ? CellWidth / 2 : 1; }
    int halfHeight() const { return CellHeight / 2 > 0 ? CellHeight / 2 : 1; }

    QPoint cellAt(const QPoint& pixel) const;
    QPoint quarterAt(const QPoint& pixel) const;
    QPoint halfPointAt(const QPoint& pixel) const;

    QRect cellRect(int x, int y) const;
    QRect quarterRect(int qx, int qy) const;
    QPoint pointPosition(int px, int py) const;

    // The view pixels covered by a rectangle of cells (x, y, w, h in cells).
    QRect cellsRect(const QRect& cells) const;
    // The cells whose pixels meet a rectangle of view pixels (not clipped to the design).
    QRect cellsMeeting(const QRect& pixels) const;
};
