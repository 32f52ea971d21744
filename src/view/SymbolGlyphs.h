#pragma once
#include <QChar>
#include <QHash>
#include <QRect>
#include <QString>
#include <vector>

struct FramePixels;

// Rendered symbols of one font and pixel height, kept as the runs of pixels each glyph sets.
// Symbols are drawn non-antialiased, so a glyph is a set of whole pixels in one colour; writing
// those pixels gives exactly what drawing the text at that place gives (PainterSurface draws it
// the same way), many times faster than drawing text for every cell of a large view.
class SymbolGlyphs
{
public:
    // Drawing colours of symbols: white on dark stitches, otherwise the near-black colour 2 (red 2),
    // because pure black is the transparent value of the symbol layer.
    static constexpr quint32 kWhite = 0xFFFFFFFFu;
    static constexpr quint32 kNearBlack = 0xFF020000u;

    // Forgets every glyph when font or height differ from the current ones.
    void setFont(const QString& family, int pixelHeight);

    // Writes the glyph with the top-left of its line box at (x, y) into the frame, clipped to
    // `clip`.
    void draw(const FramePixels& frame, const QRect& clip, int x, int y, QChar symbol, quint32 color);

private:
    struct Run
    {
        int dx;
        int dy;
        int length;
    };
    struct Glyph
    {
        std::vector<Run> runs;
        QRect box; // the pixels set, relative to the top-left of the line box
    };
    const Glyph& glyph(QChar symbol);
    Glyph rasterise(QChar symbol) const;

    QString m_family;
    int m_height = 0;
    QHash<char16_t, Glyph> m_glyphs;
    // Neighbouring cells mostly share a colour and so a symbol.
    char16_t m_lastSymbol = 0;
    const Glyph* m_last = nullptr;
};
