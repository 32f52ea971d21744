#pragma once
#include "printing/PageContext.h"
#include "printing/TMyPage.h"
#include <QPoint>
#include <QRect>
#include <vector>

class QPainter;
class RealPagePicture;

// Draws the chart of one chart page in the layout's device pixels: grid and rulers, full-stitch
// fills or circles with their symbols, quarter stitches, back stitches and rhodes with their
// colour markers, and french knots; in real mode a picture of the stitches instead of grid,
// fills, symbols and markers.
//
// Page cell (G, H) spans x from nearest(G * gw) to nearest((G + 1) * gw) and y likewise,
// relative to the chart origin (S, U): the page's offsets plus the ruler band on the sides
// that have one. The grid is drawn over the fills, so fills never hide a grid line.
class ChartPagePainter
{
public:
    explicit ChartPagePainter(const PageContext& context);

    // `real` is used in real mode; it may be null otherwise.
    void draw(QPainter& painter, const TMyPage& page, RealPagePicture* real = nullptr) const;

private:
    // The chart origin (S, U) of a page.
    QPoint origin(const TMyPage& page) const;
    struct Frame;
    Frame frame(const TMyPage& page) const;
    void drawGrid(QPainter& p, const Frame& f) const;
    void drawRulerLine(QPainter& p, const Frame& f, bool horizontal, int index) const;
    void drawCells(QPainter& p, const Frame& f) const;
    void drawSymbols(QPainter& p, const Frame& f) const;
    void drawQuarters(QPainter& p, const Frame& f) const;
    void drawBackStitches(QPainter& p, const Frame& f) const;
    void drawKnots(QPainter& p, const Frame& f) const;
    void drawMarker(QPainter& p, const Frame& f, QPoint from, QPoint to, TColorRef color) const;

    const PageContext& m_c;
};
