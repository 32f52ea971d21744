#include "printing/KeyPainter.h"
#include "model/Design.h"
#include "printing/LayoutMath.h"
#include "printing/PageText.h"
#include "printing/SymbolText.h"
#include "printing/TPreview.h"
#include <QPainter>

using LayoutMath::nearest;

namespace {
const QString kArial = QStringLiteral("Arial");
} // namespace

KeyPainter::KeyPainter(const PageContext& context)
    : m_c(context)
{
}

QString KeyPainter::length(const TMyColor& e) const
{
    const TStitch& doc = m_c.design.stitch;
    const double perUnit = e.ColorType == ctBack ? doc.backlen : doc.len;
    return QString::number((e.Count * perUnit + doc.baseLen) * 100, 'f', 1) + QStringLiteral(" cm");
}

void KeyPainter::drawEntry(QPainter& p, QRect r, const TMyColor& e) const
{
    const TPreview& l = m_c.layout;
    r.translate(m_c.margins().left(), m_c.margins().top());
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(m_c.options.useColors ? PageContext::qcolor(m_c.printColor(e.Color)) : QColor(Qt::white));
    // The box covers `r` exactly, as a filled shape with its outline inside.
    const QRect outline = r.adjusted(0, 0, -1, -1);
    if (e.ColorType == ctBack)
        p.drawEllipse(outline);
    else
        p.drawRect(outline);
    if (!e.Symbol.isEmpty()) {
        SymbolText symbol(m_c.symbolFont(), nearest(l.keyHeightPx - 2 * l.mmPx));
        symbol.drawCentred(p, r, e.Symbol.at(0), m_c.textOn(e.Color));
    }
    p.setFont(PageText::points(kArial, 8));
    p.setPen(Qt::black);
    p.setBackground(Qt::white);
    p.setBackgroundMode(Qt::OpaqueMode);
    const QString number = m_c.colorId(e.Color);
    const int x = r.left() + l.keyHeightPx + nearest(4 * l.mmPx);
    PageText::at(p, x, r.top(), number);
    if (e.Name != number)
        PageText::at(p, x, r.top() + l.keyHeightPx / 2, e.Name);
    PageText::at(p, r.left() + nearest(30 * l.mmPx), r.top(), length(e));
    p.restore();
}

void KeyPainter::drawCell(QPainter& p, const TMyPage& page, int c, int i, const QPoint& at) const
{
    const TPreview& l = m_c.layout;
    const qint64 index = qint64(page.keyFirst) + qint64(c) * page.KeyRestart + i;
    if (index < 0 || index >= l.KeyEntries.size())
        return;
    const int side = l.keyHeightPx - nearest(2 * l.mmPx);
    drawEntry(p, QRect(at, QSize(side, side)), l.KeyEntries[qsizetype(index)]);
}

void KeyPainter::drawChartKeys(QPainter& p, const TMyPage& page) const
{
    const TPreview& l = m_c.layout;
    if (!l.showsKey(page) || page.keysOnly)
        return;
    const int kW = l.keyWidthPx;
    const int kH = l.keyHeightPx;
    const QMargins m = m_c.margins();
    const int heading = l.titleHeightPx + l.CommentHeightPX;
    // The key offset of a chart page is measured from its chart, margins included; the extra
    // key pages of pRight and pBottom have no chart and an offset of 0.
    const bool chart = page.cellsX > 0 && page.cellsY > 0;
    const int keyLeft = page.keyOffset - (chart ? m.left() : 0);
    const int keyTop = page.keyOffset - (chart ? m.top() : 0);
    for (int c = 0; c < page.keycols; ++c) {
        for (int i = 0; i < page.keycount; ++i) {
            QPoint at;
            switch (l.position) {
            case pTop:
                at = QPoint(i * kW, heading + c * kH);
                break;
            case pBottom:
                at = QPoint(i * kW, keyTop + c * kH);
                break;
            case pRight:
                at = QPoint(keyLeft + c * kW, (page.isTop ? heading : 0) + i * kH);
                break;
            case pLeft:
                at = QPoint(c * kW, page.yOffcetPx - m.top() + i * kH);
                break;
            case pSeparate:
                return;
            }
            drawCell(p, page, c, i, at);
        }
    }
}

void KeyPainter::drawKeyPage(QPainter& p, const TMyPage& page) const
{
    const TPreview& l = m_c.layout;
    const QMargins m = m_c.margins();
    const int kW = l.keyWidthPx;
    const int kH = l.keyHeightPx;
    const int x0 = m.left();
    const int y0 = m.top() + (m_c.legendOnly() ? 2 * l.titleHeightPx : 0);
    p.save();
    p.setPen(Qt::black);
    p.setBackground(Qt::white);
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setFont(PageText::points(kArial, 14));
    PageText::at(p, x0, y0, m_c.translated(QStringLiteral("Palette")) + QStringLiteral(": ") + m_c.design.stitch.colorsname());
    p.setFont(PageText::points(kArial, 8));
    const QString numberName = m_c.translated(QStringLiteral("Order")) + QLatin1Char(' ') + m_c.translated(QStringLiteral("number")) + QLatin1Char('/');
    for (int c = 0; c < page.keycols; ++c) {
        const int x = x0 + c * kW;
        const int y = y0 + l.titleHeightPx;
        PageText::at(p, x, y, m_c.translated(QStringLiteral("Color")));
        PageText::at(p, x + kH + nearest(4 * l.mmPx), y, numberName);
        PageText::at(p, x + kH + nearest(4 * l.mmPx), y + kH / 2, m_c.translated(QStringLiteral("Color Name")));
        PageText::at(p, x + nearest(30 * l.mmPx), y, m_c.translated(QStringLiteral("Amount")));
    }
    p.restore();
    for (int c = 0; c < page.keycols; ++c)
        for (int i = 0; i < page.keycount; ++i)
            drawCell(p, page, c, i, QPoint(c * kW, page.yOffcetPx - m.top() + i * kH));
}
