#include "printing/ListPagePainter.h"
#include "model/Design.h"
#include "printing/LayoutMath.h"
#include "printing/PageHeading.h"
#include "printing/PageText.h"
#include "printing/StitchStepFlow.h"
#include "printing/SymbolText.h"
#include "printing/TPreview.h"
#include <QPainter>
#include <algorithm>

using LayoutMath::nearest;

namespace {
const QString kArial = QStringLiteral("Arial");
constexpr double kSheetWidthMm = 210;
constexpr double kSheetHeightMm = 297;
} // namespace

ListPagePainter::ListPagePainter(const PageContext& context)
    : m_c(context)
{
}

StitchStepFlow ListPagePainter::flow() const
{
    const TPreview& l = m_c.layout;
    return StitchStepFlow(l.pagewidth, l.pageheight, m_c.margins().top() + l.titleHeightPx, std::max(1, l.keyWidthPx), std::max(1, l.keyHeightPx));
}

template <typename Fn>
void ListPagePainter::forEachLine(Fn&& fn) const
{
    qint64 line = 0;
    int previousRow = 0;
    for (const TStitchListItem& item : m_c.layout.StitchSteps) {
        if (item.Row != previousRow && !fn(line++, item, true))
            return;
        previousRow = item.Row;
        if (!fn(line++, item, false))
            return;
    }
}

void ListPagePainter::drawStitchStepsPage(QPainter& p, int index, int pageNum) const
{
    const TPreview& l = m_c.layout;
    const int left = m_c.margins().left();
    const int kW = l.keyWidthPx;
    const int kH = l.keyHeightPx;
    PageHeading::drawPageLabel(p, m_c, pageNum);
    p.save();
    p.setPen(Qt::black);
    p.setBackgroundMode(Qt::TransparentMode);
    if (index == 0) {
        p.setFont(PageText::points(kArial, 14));
        PageText::at(p, left, m_c.margins().top(), QStringLiteral("Stitch Steps List"));
    }
    const QFont regular = PageText::points(kArial, 8);
    QFont bold = regular;
    bold.setBold(true);
    SymbolText symbols(m_c.symbolFont(), kH - nearest(2 * l.mmPx));
    const StitchStepFlow f = flow();
    forEachLine([&](qint64 line, const TStitchListItem& item, bool heading) {
        const StitchStepFlow::Place at = f.place(line);
        if (at.page != index)
            return at.page < index;
        if (heading) {
            p.setFont(bold);
            PageText::at(p, left + at.column * kW, at.y, QString::number(item.Row) + QStringLiteral(". row"));
            return true;
        }
        p.setFont(regular);
        p.setPen(Qt::black);
        int x = left + nearest(6 * l.mmPx) + at.column * kW;
        x = PageText::at(p, x, at.y, QString::number(item.Count) + QStringLiteral(" x "));
        if (item.isBackgroud) {
            PageText::at(p, x, at.y, QStringLiteral("BackGround"));
            return true;
        }
        x = PageText::at(p, x, at.y, QStringLiteral("["));
        if (!item.Symbol.isEmpty()) {
            const QChar symbol = item.Symbol.at(0);
            symbols.draw(p, x, at.y - 10, symbol, Qt::black);
            x += symbols.extent(p, symbol).width();
            p.setFont(regular);
        }
        PageText::at(p, x, at.y, QStringLiteral("] ") + item.ColorName);
        return true;
    });
    p.restore();
}

double ListPagePainter::gap(double sheet, int borders, int count, int size)
{
    if (count < 2)
        return 0;
    return std::max(0.0, (sheet - (borders + double(count) * size) / 10) / (count - 1));
}

QRectF ListPagePainter::labelRect(int q, int p) const
{
    // The grid is the layout's, which counted the sheets; the label sizes are the settings'.
    const TStitch& s = m_c.design.stitch;
    const PrintOptions& o = m_c.layout.options;
    const double mm = m_c.layout.mmPx;
    const double gx = gap(kSheetWidthMm, s.LabelBorderLeft + s.LabelBorderRight, o.LabelGridHor, s.LabelWidth);
    const double gy = gap(kSheetHeightMm, s.LabelBorderTop + s.LabelBorderBottom, o.LabelGridVert, s.LabelHeight);
    const double w = s.LabelWidth / 10.0, h = s.LabelHeight / 10.0;
    const int left = nearest(((w + gx) * p + s.LabelBorderLeft / 10.0) * mm);
    const int top = nearest(((h + gy) * q + s.LabelBorderTop / 10.0) * mm);
    const int right = nearest(((p + 1) * w + p * gx + s.LabelBorderLeft / 10.0) * mm);
    const int bottom = nearest(((q + 1) * h + q * gy + s.LabelBorderTop / 10.0) * mm);
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

void ListPagePainter::drawLabelSheet(QPainter& p, int sheet) const
{
    const PrintOptions& o = m_c.layout.options;
    const QList<TMyColor>& entries = m_c.layout.KeyEntries;
    const int columns = std::max(1, o.LabelGridHor);
    const qint64 perSheet = std::max<qint64>(1, qint64(o.LabelGridHor) * o.LabelGridVert);
    const qint64 first = sheet * perSheet;
    for (qint64 i = first; i < std::min<qint64>(first + perSheet, entries.size()); ++i)
        drawLabel(p, labelRect(int((i - first) / columns), int((i - first) % columns)), entries[qsizetype(i)]);
}

void ListPagePainter::drawLabel(QPainter& p, const QRectF& r, const TMyColor& e) const
{
    const double w = r.width();
    const double h = r.height();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    SymbolText symbol(m_c.symbolFont(), nearest(h / 2));
    const QChar character = e.Symbol.isEmpty() ? QChar(' ') : e.Symbol.at(0);
    const QSize extent = symbol.extent(p, character);
    const QRect box(QPoint(nearest((w - extent.width()) / 2 + r.left()), nearest(r.top())),
        QPoint(nearest(r.right() - (w - extent.width()) / 2) - 1, nearest(r.top() + extent.height()) - 1));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(m_c.options.useColors ? PageContext::qcolor(m_c.printColor(e.Color)) : QColor(Qt::white));
    if (e.ColorType == ctBack)
        p.drawEllipse(box.adjusted(0, 0, -1, -1));
    else
        p.drawRect(box.adjusted(0, 0, -1, -1));
    if (!e.Symbol.isEmpty())
        symbol.drawCentred(p, box, character, m_c.textOn(e.Color));
    const double centre = r.left() + w / 2;
    fitted(p, e.Name, w, h, centre, box.bottom() + 1, false);
    const QString number = m_c.colorId(e.Color);
    if (number != e.Name)
        fitted(p, number, w, h, centre, r.bottom(), true);
    p.restore();
}

void ListPagePainter::fitted(QPainter& p, const QString& text, double width, double h, double centreX, double y, bool fromBottom) const
{
    int height = std::max(1, nearest(h / 4));
    p.setFont(PageText::pixels(kArial, height));
    while (height > 1 && PageText::extent(p, text).width() > width) {
        --height;
        p.setFont(PageText::pixels(kArial, height));
    }
    p.setFont(PageText::pixels(kArial, std::max(1, height - 1)));
    const QSize e = PageText::extent(p, text);
    p.setPen(Qt::black);
    p.setBackground(Qt::white);
    p.setBackgroundMode(Qt::OpaqueMode);
    PageText::at(p, nearest(centreX - e.width() / 2.0), nearest(fromBottom ? y - e.height() : y), text);
}
