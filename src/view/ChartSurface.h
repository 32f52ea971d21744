#pragma once
#include <QChar>
#include <QRect>
#include <QString>
#include <vector>

// Where the chart painter's fills and symbols land: a QPainter of any device, or the pixels of a
// 32-bit image written directly. Both take the same calls, so each drawing rule is written once
// in ChartPainter; lines and ellipses always go through the QPainter.
//
// Protocol: the painter picks a surface for one paint call, sets the symbol fonts, then fills
// rectangles and draws symbols in the target's device units (whole units: edges are snapped).
class ChartSurface
{
public:
    enum SymbolSize { CellSymbol, QuarterSymbol, SymbolSizeCount };
    // The units from left up to right (excluded) of a row, in one colour.
    struct Span
    {
        int left;
        int right;
        quint32 color;
    };
    using Spans = std::vector<Span>;

    virtual ~ChartSurface() = default;
    // Fills the rectangle with an opaque colour (0xAARRGGBB; alpha is ignored).
    virtual void fill(const QRect& rect, quint32 color) = 0;
    // Fills the same spans, ordered from left to right, on every row from top up to bottom
    // (excluded): a row of cells, or the vertical lines of a grid.
    virtual void fillSpans(int top, int bottom, const Spans& spans) = 0;
    // The font of one symbol size; a pixel size below 1 shows no symbols of that size.
    virtual void setSymbolFont(SymbolSize size, const QString& family, int pixelSize) = 0;
    // Draws the symbol with the top-left of its line box at `topLeft`.
    virtual void drawSymbol(SymbolSize size, const QPoint& topLeft, QChar symbol, quint32 color) = 0;
};
