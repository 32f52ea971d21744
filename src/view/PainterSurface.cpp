#include "view/PainterSurface.h"
#include <QFontMetricsF>
#include <QPainter>

QFont PainterSurface::symbolFont(const QString& family, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    // Symbols must read the same at every size and be pixel-exact on screen.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

qreal PainterSurface::baseline(const QFont& font)
{
    return QFontMetricsF(font).ascent();
}

void PainterSurface::begin(QPainter& painter)
{
    m_painter = &painter;
    m_current = SymbolSizeCount;
    m_penColor = 0;
    painter.setRenderHint(QPainter::TextAntialiasing, false);
}

void PainterSurface::fill(const QRect& rect, quint32 color)
{
    m_painter->fillRect(rect, QColor::fromRgb(color));
}

void PainterSurface::fillSpans(int top, int bottom, const Spans& spans)
{
    for (const Span& span : spans)
        fill(QRect(span.left, top, span.right - span.left, bottom - top), span.color);
}

void PainterSurface::setSymbolFont(SymbolSize size, const QString& family, int pixelSize)
{
    Font& f = m_fonts[size];
    f.shown = pixelSize >= 1;
    if (!f.shown)
        return;
    if (f.font.family() == family && f.font.pixelSize() == pixelSize)
        return;
    f.font = symbolFont(family, pixelSize);
    f.baseline = baseline(f.font);
}

const QString& PainterSurface::text(QChar symbol)
{
    auto it = m_texts.find(symbol.unicode());
    if (it == m_texts.end())
        it = m_texts.insert(symbol.unicode(), QString(symbol));
    return *it;
}

void PainterSurface::drawSymbol(SymbolSize size, const QPoint& topLeft, QChar symbol, quint32 color)
{
    const Font& f = m_fonts[size];
    if (!f.shown)
        return;
    // Font and pen change rarely from one symbol to the next; setting them costs more than
    // comparing.
    if (m_current != size) {
        m_painter->setFont(f.font);
        m_current = size;
    }
    if (m_penColor != color) {
        m_painter->setPen(QColor::fromRgb(color));
        m_penColor = color;
    }
    m_painter->drawText(QPointF(topLeft.x(), topLeft.y() + f.baseline), text(symbol));
}
