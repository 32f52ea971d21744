#pragma once
#include "view/ChartSurface.h"
#include "view/FramePixels.h"
#include "view/SymbolGlyphs.h"

class QPainter;

// The chart painter's fast surface on a 32-bit image: fills and symbols are written straight
// into the pixels, symbols from a cache of glyph pixels. It gives the same pixels as
// PainterSurface on the same image (the view's tests compare the two at every zoom step).
class RasterSurface : public ChartSurface
{
public:
    // Binds the surface to the painter's image when its pixels can be written directly: an
    // image of 32 bits per pixel, moved by whole pixels at most, clipped to a rectangle at most.
    // Only pixels inside `clip` (in the painter's units) and the painter's clip are written.
    // False when the painter does not suit.
    bool begin(QPainter& painter, const QRect& clip);

    void fill(const QRect& rect, quint32 color) override;
    void fillSpans(int top, int bottom, const Spans& spans) override;
    void setSymbolFont(SymbolSize size, const QString& family, int pixelSize) override;
    void drawSymbol(SymbolSize size, const QPoint& topLeft, QChar symbol, quint32 color) override;

private:
    FramePixels m_pixels;
    QRect m_clip; // in image pixels
    QPoint m_shift; // painter units to image pixels
    SymbolGlyphs m_glyphs[SymbolSizeCount];
    Spans m_cut;
};
