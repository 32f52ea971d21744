#include "printing/SymbolText.h"
#include "view/PainterSurface.h"
#include <QFontMetrics>
#include <QPainter>

SymbolText::SymbolText(const QString& family, int pixelHeight)
    : m_font(PainterSurface::symbolFont(family, std::max(1, pixelHeight)))
    , m_shown(pixelHeight >= 1)
{
}

QSize SymbolText::extent(const QPainter& painter, QChar symbol)
{
    auto it = m_extents.constFind(symbol.unicode());
    if (it != m_extents.constEnd())
        return *it;
    const QFontMetrics metrics(m_font, painter.device());
    const QSize size(metrics.horizontalAdvance(symbol), metrics.height());
    m_extents.insert(symbol.unicode(), size);
    return size;
}

void SymbolText::draw(QPainter& painter, int x, int y, QChar symbol, const QColor& color)
{
    if (!m_shown)
        return;
    if (m_ascent < 0)
        m_ascent = QFontMetrics(m_font, painter.device()).ascent();
    painter.setFont(m_font);
    painter.setPen(color);
    painter.setBrush(Qt::NoBrush);
    painter.drawText(QPoint(x, y + m_ascent), QString(symbol));
}
