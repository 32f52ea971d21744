#pragma once
#include "view/ChartPainter.h"
#include "view/ShadowCombine.h"
#include "view/ViewGeometry.h"
#include "view/ViewOptions.h"
#include <QImage>
#include <QRect>

class Design;

// Renders the work view of a design: the pixels of one rectangle of the view, grey outside the
// design, the design's cells through the ChartPainter, the shadow picture over them, floating
// content (SelectionLayer) and the tool's preview on top. The
// widget repaints the rectangles that changed through it.
//
// Only the rectangle asked for is rendered, so the cost and the memory follow the size of the
// view, never the size of the design.
class ChartRenderer
{
public:
    // The grey around the design.
    static constexpr quint32 kOutside = 0xFF7F7F7Fu;
    static constexpr quint32 kGridLine = ChartPainter::kGridLine;

    // Renders `region` (view pixels) of the frame, an image of Format_RGB32 whose pixel (0, 0)
    // is the top-left of the view.
    void render(QImage& frame, const QRect& region, const Design& design, const ViewGeometry& g, const ViewOptions& o);

    // Back stitches or rhodes were moved in place (insertion, size change): their positions are
    // read again at the next render. Adding and removing stitches is noticed without this.
    void invalidateStitchIndex();

    // Where the view's cells lie for the chart painter, and what it shows.
    static ChartPainter::Placement placement(const ViewGeometry& g);
    static ChartOptions chartOptions(const ViewOptions& o);
    // The view pixels a change of one cell or quarter repaints (its symbol may overlap its
    // neighbours by a pixel or two).
    static QRect cellRepaintRect(const ViewGeometry& g, int x, int y);
    static QRect quarterRepaintRect(const ViewGeometry& g, int qx, int qy);
    // The rectangle of the design in view pixels.
    static QRect designRect(const Design& design, const ViewGeometry& g);
    // The view pixels a tool's preview covers.
    static QRect previewRect(const ToolPreview& preview, const ViewGeometry& g);

private:
    // Preview cells are drawn where they meet `cells` (the design's cells in the region).
    static void renderPreview(QPainter& p, const ViewGeometry& g, const ToolPreview& preview, const QRect& cells);

    ChartPainter m_painter;
    ShadowCombine m_shadow;
};
