#pragma once
#include "view/ChartSurface.h"
#include <QFont>
#include <QHash>

class QPainter;

// The chart painter's surface on any QPainter: rectangles are filled as vector rectangles and
// symbols are written as text in the symbol font, so a PDF or a printer receives real text in an
// embedded font. On a raster device the result equals the glyph cache of RasterSurface.
class PainterSurface : public ChartSurface
{
public:
    void begin(QPainter& painter);
    void fill(const QRect& rect, quint32 color) override;
    void fillSpans(int top, int bottom, const Spans& spans) override;
    void setSymbolFont(SymbolSize size, const QString& family, int pixelSize) override;
    void drawSymbol(SymbolSize size, const QPoint& topLeft, QChar symbol, quint32 color) override;

    // The font of symbols of one pixel height, as both surfaces draw them.
    static QFont symbolFont(const QString& family, int pixelSize);
    // Where the baseline of a symbol lies below the top-left of its line box.
    static qreal baseline(const QFont& font);

private:
    struct Font
    {
        QFont font;
        qreal baseline = 0;
        bool shown = false;
    };
    const QString& text(QChar symbol);

    QPainter* m_painter = nullptr;
    Font m_fonts[SymbolSizeCount];
    SymbolSize m_current = SymbolSizeCount;
    quint32 m_penColor = 0;
    QHash<char16_t, QString> m_texts;
};
