#pragma once
#include <QChar>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QRect>
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
    // Draws the symbol with its ink centred in `box`: symbol fonts differ widely in how their
    // glyphs sit in the line box, the ink is what the reader sees.
    void drawCentred(QPainter& painter, const QRect& box, QChar symbol, const QColor& color);

private:
    struct Measure
    {
        QSize extent;
        QRect ink; // relative to the baseline origin
    };
    const Measure& measure(const QPainter& painter, QChar symbol);
    void use(QPainter& painter, const QColor& color);

    QFont m_font;
    bool m_shown = false;
    int m_ascent = -1;
    QHash<char16_t, Measure> m_measures;
};
