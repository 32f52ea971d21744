#pragma once
#include <QChar>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QSize>

class QPainter;

// Symbols of one font height as text: placed by the top-left of their line box, with their
// extents measured once per character. Measure and draw with the same painter device.
class SymbolText
{
public:
    // A height below 1 shows no symbols.
    SymbolText(const QString& family, int pixelHeight);

    bool shown() const { return m_shown; }
    QSize extent(const QPainter& painter, QChar symbol);
    void draw(QPainter& painter, int x, int y, QChar symbol, const QColor& color);

private:
    QFont m_font;
    bool m_shown = false;
    int m_ascent = -1;
    QHash<char16_t, QSize> m_extents;
};
