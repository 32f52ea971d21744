#include "view/SymbolGlyphs.h"
#include "view/FramePixels.h"
#include "view/PainterSurface.h"
#include <QImage>
#include <QPainter>
#include <algorithm>

void SymbolGlyphs::setFont(const QString& family, int pixelHeight)
{
    if (family == m_family && pixelHeight == m_height)
        return;
    m_family = family;
    m_height = pixelHeight;
    m_glyphs.clear();
    m_last = nullptr;
}

SymbolGlyphs::Glyph SymbolGlyphs::rasterise(QChar symbol) const
{
    Glyph g;
    if (m_height <= 0)
        return g;
    // A glyph may reach past its line box on any side; the margin keeps all of it.
    const int margin = m_height + 2;
    const int side = 3 * m_height + 2 * margin;
    QImage canvas(side, side, QImage::Format_ARGB32);
    canvas.fill(0);
    const QFont font = PainterSurface::symbolFont(m_family, m_height);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QPointF(margin, margin + PainterSurface::baseline(font)), QString(symbol));
    painter.end();
    for (int y = 0; y < side; ++y) {
        const auto* line = reinterpret_cast<const quint32*>(canvas.constScanLine(y));
        for (int x = 0; x < side;) {
            if (qAlpha(line[x]) < 128) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < side && qAlpha(line[x]) >= 128)
                ++x;
            g.runs.push_back({start - margin, y - margin, x - start});
            g.box |= QRect(start - margin, y - margin, x - start, 1);
        }
    }
    return g;
}

const SymbolGlyphs::Glyph& SymbolGlyphs::glyph(QChar symbol)
{
    if (m_last && m_lastSymbol == symbol.unicode())
        return *m_last;
    auto it = m_glyphs.constFind(symbol.unicode());
    if (it == m_glyphs.constEnd())
        it = m_glyphs.insert(symbol.unicode(), rasterise(symbol));
    m_lastSymbol = symbol.unicode();
    m_last = &*it;
    return *it;
}

void SymbolGlyphs::draw(const FramePixels& frame, const QRect& clip, int x, int y, QChar symbol, quint32 color)
{
    const Glyph& g = glyph(symbol);
    if (g.runs.empty())
        return;
    // Plain comparisons: this runs for every visible cell.
    const int left = x + g.box.left(), right = x + g.box.right();
    const int top = y + g.box.top(), bottom = y + g.box.bottom();
    if (right < clip.left() || left > clip.right() || bottom < clip.top() || top > clip.bottom())
        return;
    if (left >= clip.left() && right <= clip.right() && top >= clip.top() && bottom <= clip.bottom()) {
        for (const Run& run : g.runs)
            std::fill_n(frame.line(y + run.dy) + x + run.dx, run.length, color);
        return;
    }
    for (const Run& run : g.runs) {
        const int py = y + run.dy;
        const int from = std::max(x + run.dx, clip.left());
        const int to = std::min(x + run.dx + run.length, clip.right() + 1);
        if (py >= clip.top() && py <= clip.bottom() && from < to)
            std::fill(frame.line(py) + from, frame.line(py) + to, color);
    }
}
