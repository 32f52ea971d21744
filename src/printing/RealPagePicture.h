#pragma once
#include "preview/PreviewRenderer.h"
#include <QPoint>

class Design;
class QPainter;
struct TMyPage;

// The real-mode picture of a chart page: the page's cells as thread on fabric, made by the real
// preview's renderer (its pictures exist for every colour met, whatever its symbol), drawn over
// the page's cells with the back stitches and knots. The picture is rendered with cells of
// nearest(cell size x scale) pixels and drawn scaled into the page's cells, in bands, so a page
// never holds more than one band of pixels.
class RealPagePicture
{
public:
    // `scale` is 1 on page pictures, min(dpi, 300) / dpi on paper and PDF.
    RealPagePicture(const Design& design, double cellWidth, double cellHeight, double scale, bool knitting);

    void draw(QPainter& painter, const TMyPage& page, const QPoint& topLeft);

    // Renders `cells` of the design into `target` (any size), scaled to fill it, in bands.
    void drawCells(QPainter& painter, const QRect& cells, const QRectF& target);

private:
    const Design& m_design;
    double m_cellWidth;
    double m_cellHeight;
    PreviewRenderer m_renderer;
};
