#pragma once
#include "view/ChartOptions.h"
#include "view/PainterSurface.h"
#include "view/RasterSurface.h"
#include "model/StitchIndex.h"
#include <QPointF>
#include <QRect>
#include <QSizeF>

class Design;
class QPainter;

// Paints cells of a design into any QPainter: the work view's frame, a picture written in
// bands, a PDF page, a printer page, a thumbnail. Every drawing rule of the chart lives here
// once: cell fills, french knots, back stitches, rhodes, quarter fills, grid, symbols and the
// highlight colours.
//
// Protocol:
// - Keep one ChartPainter per target and reuse it for every piece painted: it keeps the
//   back-stitch index and the symbol glyphs between calls. Call invalidateStitchIndex() when
//   back stitches or rhodes were moved in place (adding and removing is noticed).
// - paint() takes the cells to paint (clipped to the design) and a Placement: the device point
//   where the top-left corner of the design's cell (0, 0) lies, and the size of one cell in
//   device units, fractional allowed (a knitting cell is 0.7 times as high as wide). Edges are
//   snapped down to whole device units, so neighbouring cells neither overlap nor leave gaps and
//   the same cell lands on the same units in every call.
// - Nothing is painted outside the cells' rectangle or the painter's clip; back stitches and
//   symbols that reach into the rectangle from neighbouring cells are painted, cut at its edge.
//   So a target can be painted in pieces that join without seams.
// - Layers from the bottom: full stitches (empty cells in the background colour), french
//   knots, back stitches and rhodes, quarter stitches, grid, symbols.
// - Symbols are text in the symbol set's font on every device but a 32-bit raster image, where
//   the same pixels are written from a glyph cache; lines, fills and ellipses are vector
//   primitives of the painter. The painter's state is left as it was.
class ChartPainter
{
public:
    struct Placement
    {
        QPointF origin;
        QSizeF cell;
    };

    static constexpr quint32 kGridLine = 0xFF808080u;

    void paint(QPainter& painter, const Design& design, const QRect& cells, const Placement& at, const ChartOptions& o);
    void invalidateStitchIndex();

    // The highlight grey of a colour: all three components (R + G + B) div 12 + 192.
    static quint32 highlightGrey(TColorRef color);
    // The device rectangle the cells cover.
    static QRect cellsArea(const QRect& cells, const Placement& at);

private:
    void paintCells(ChartSurface& s, const Design& d, const QRect& cells, const Placement& at, const ChartOptions& o);
    void paintQuarters(ChartSurface& s, const Design& d, const QRect& cells, const Placement& at, const ChartOptions& o);
    void paintKnots(QPainter& p, const Design& d, const QRect& visible, const Placement& at, const ChartOptions& o);
    void paintBackStitches(QPainter& p, const Design& d, const QRect& visible, const Placement& at, const ChartOptions& o);
    void paintGrid(ChartSurface& s, const QRect& cells, const Placement& at, const ChartOptions& o);
    void paintSymbols(ChartSurface& s, const Design& d, const QRect& cells, const Placement& at, const ChartOptions& o);

    StitchIndex m_stitchIndex;
    ChartSurface::Spans m_spans;
    RasterSurface m_raster;
    PainterSurface m_vector;
};
