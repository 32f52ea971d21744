#include "view/SymbolGlyphs.h"
#include "view/FramePixels.h"
#include <QFont>
#include <QImage>
#include <QPainter>

void SymbolGlyphs::setFont(const QString& family, int pixelHeight)
{
    if (family == m_family && pixelHeight == m_height)
        return;
    m_family = family;
    m_height = pixelHeight;
    m_glyphs.clear();
}

const SymbolGlyphs::Glyph& SymbolGlyphs::glyph(QChar symbol)
{
    const auto it = m_glyphs.constFind(symbol.unicode());
    if (it != m_glyphs.constEnd())
        return *it;
    Glyph g;
    if (m_height > 0) {
        const int side = 3 * m_height + 4;
        QImage canvas(side, side, QImage::Format_ARGB32);
        canvas.fill(0);
        QFont font(m_family);
        font.setPixelSize(m_height);
        font.setStyleStrategy(QFont::NoAntialias);
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(0, 0, side, side), Qt::AlignLeft | Qt::AlignTop, QString(symbol));
        painter.end();
        for (int y = 0; y < side; ++y) {
            const auto* line = reinterpret_cast<const quint32*>(canvas.constScanLine(y));
            for (int x = 0; x < side; ++x) {
                if (qAlpha(line[x]) >= 128) {
                    g.dx.push_back(x);
                    g.dy.push_back(y);
                    g.box |= QRect(x, y, 1, 1);
                }
            }
        }
    }
    return *m_glyphs.insert(symbol.unicode(), std::move(g));
}

void SymbolGlyphs::draw(const FramePixels& frame, const QRect& clip, int x, int y, QChar symbol, quint32 color)
{
    const Glyph& g = glyph(symbol);
    const QRect placed = g.box.translated(x, y);
    if (!placed.intersects(clip))
        return;
    const bool whole = clip.contains(placed);
    for (size_t i = 0; i < g.dx.size(); ++i) {
        const int px = x + g.dx[i];
        const int py = y + g.dy[i];
        if (whole || clip.contains(px, py))
            frame.line(py)[px] = color;
    }
}
