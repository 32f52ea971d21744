#pragma once
#include <QFont>
#include <QSize>
#include <QString>

class QPainter;

// Text on printed pages, placed as the page rules give it: by the top-left corner of its line
// box. Every text is real text through QPainter::drawText; on page pictures it is drawn without
// antialiasing.
namespace PageText {
// A font by family and point size; the painter's device turns points into device pixels.
QFont points(const QString& family, qreal pointSize, bool bold = false, bool italic = false);
// A font by family and height in device pixels (at least 1).
QFont pixels(const QString& family, int pixelHeight);

// Writes `text` in the painter's font and pen with the top-left of its line box at (x, y);
// returns the x where the text ends.
int at(QPainter& painter, int x, int y, const QString& text);
// Width and line height of `text` in the painter's font, in device pixels.
QSize extent(const QPainter& painter, const QString& text);
} // namespace PageText
