#include "printing/SymbolText.h"
#include "view/PainterSurface.h"
#include <QFontMetrics>
#include <QPainter>

SymbolText::SymbolText(const QString& family, int pixelHeight)
    : m_font(PainterSurface::symbolFont(family, std::max(1, pixelHeight)))
    , m_shown(pixelHeight >= 1)
{
}

const SymbolText::Measure& SymbolText::measure(const QPainter& painter, QChar symbol)
{
    auto it = m_measures.constFind(symbol.unicode());
    if (it == m_measures.constEnd()) {
        const QFontMetrics metrics(m_font, painter.device());
        if (m_ascent < 0)
            m_ascent = metrics.ascent();
        it = m_measures.insert(symbol.unicode(), Measure{{metrics.horizontalAdvance(symbol), metrics.height()}, metrics.boundingRect(symbol)});
    }
    return *it;
}

QSize SymbolText::extent(const QPainter& painter, QChar symbol)
{
    return measure(painter, symbol).extent;
}

void SymbolText::use(QPainter& painter, const QColor& color)
{
    if (painter.font() != m_font)
        painter.setFont(m_font);
    if (painter.pen().color() != color || painter.pen().style() != Qt::SolidLine)
        painter.setPen(color);
}

void SymbolText::draw(QPainter& painter, int x, int y, QChar symbol, const QColor& color)
{
    if (!m_shown)
        return;
    measure(painter, symbol);
    use(painter, color);
    painter.drawText(QPoint(x, y + m_ascent), QString(symbol));
}

void SymbolText::drawCentred(QPainter& painter, const QRect& box, QChar symbol, const QColor& color)
{
    if (!m_shown)
        return;
    const QRect ink = measure(painter, symbol).ink;
    use(painter, color);
    const int x = box.left() + (box.width() - ink.width()) / 2 - ink.left();
    const int y = box.top() + (box.height() - ink.height()) / 2 - ink.top();
    painter.drawText(QPoint(x, y), QString(symbol));
}
