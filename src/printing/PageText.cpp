#include "printing/PageText.h"
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace PageText {
QFont points(const QString& family, qreal pointSize, bool bold, bool italic)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QFont pixels(const QString& family, int pixelHeight)
{
    QFont font(family);
    font.setPixelSize(std::max(1, pixelHeight));
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

int at(QPainter& painter, int x, int y, const QString& text)
{
    const QFontMetrics metrics(painter.font(), painter.device());
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
    return x + metrics.horizontalAdvance(text);
}

QSize extent(const QPainter& painter, const QString& text)
{
    const QFontMetrics metrics(painter.font(), painter.device());
    return {metrics.horizontalAdvance(text), metrics.height()};
}
} // namespace PageText
