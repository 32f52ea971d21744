#pragma once
#include "view/FramePixels.h"
#include "model/StitchIndex.h"
#include "view/SymbolGlyphs.h"
#include "view/ViewGeometry.h"
#include "view/ViewOptions.h"
#include <QImage>
#include <QRect>

class Design;
class QPainter;

// Paints the work view of a design: the pixels of one rectangle of the view, every layer in
// its order from the bottom: grey outside the design, full stitches and french knots, back
// stitches and rhodes, quarter stitches, grid, symbols, and the tool's preview. The widget repaints the rectangles
// that changed through it, and the command-line program renders a whole design with it, so
// both show the same pixels.
//
// Only the rectangle asked for is rendered, so the cost and the memory follow the size of the
// view, never the size of the design.
class ChartRenderer
{
public:
    // The grey around the design.
    static constexpr quint32 kOutside = 0xFF7F7F7Fu;
    static constexpr quint32 kGridLine = 0xFF808080u;

    // Renders `region` (view pixels) of the frame, an image of Format_RGB32 whose pixel (0, 0)
    // is the top-left of the view.
    void render(QImage& frame, const QRect& region, const Design& design, const ViewGeometry& g, const ViewOptions& o);

    // Back stitches or rhodes were moved in place (insertion, size change): their positions are
    // read again at the next render. Adding and removing stitches is noticed without this.
    void invalidateStitchIndex();

    // The highlight grey of a colour: all three components (R + G + B) div 12 + 192.
    static quint32 highlightGrey(TColorRef color);
    // The view pixels a change of one cell or quarter repaints (its symbol may overlap its
    // neighbours by a pixel or two).
    static QRect cellRepaintRect(const ViewGeometry& g, int x, int y);
    static QRect quarterRepaintRect(const ViewGeometry& g, int qx, int qy);
    // The rectangle of the design in view pixels.
    static QRect designRect(const Design& design, const ViewGeometry& g);
    // The view pixels a tool's preview covers.
    static QRect previewRect(const ToolPreview& preview, const ViewGeometry& g);

private:
    void renderDesign(QImage& frame, const FramePixels& pixels, const QRect& inside, const Design& design,
        const ViewGeometry& g, const ViewOptions& o);
    void renderCells(const FramePixels& frame, const QRect& region, const Design& d, const ViewGeometry& g, const ViewOptions& o);
    void renderQuarters(const FramePixels& frame, const QRect& region, const Design& d, const ViewGeometry& g, const ViewOptions& o);
    void renderKnots(QPainter& p, const QRect& region, const Design& d, const ViewGeometry& g, const ViewOptions& o);
    void renderBackStitches(QPainter& p, const QRect& region, const Design& d, const ViewGeometry& g, const ViewOptions& o);
    void renderGrid(const FramePixels& frame, const QRect& region, const Design& d, const ViewGeometry& g);
    void renderSymbols(const FramePixels& frame, const QRect& region, const Design& d, const ViewGeometry& g);
    static void renderPreview(QImage& frame, const QRect& region, const ViewGeometry& g, const ToolPreview& preview);

    StitchIndex m_stitchIndex;
    SymbolGlyphs m_cellGlyphs;
    SymbolGlyphs m_quarterGlyphs;
};
