#include "printing/PageHeading.h"
#include "model/Design.h"
#include "printing/LayoutMath.h"
#include "printing/PageContext.h"
#include "printing/PageText.h"
#include "printing/TPreview.h"
#include <QPainter>

namespace {
void opaqueText(QPainter& p, int pointSize)
{
    p.setFont(PageText::points(QStringLiteral("Arial"), pointSize));
    p.setPen(Qt::black);
    p.setBackground(Qt::white);
    p.setBackgroundMode(Qt::OpaqueMode);
}
} // namespace

namespace PageHeading {
void drawHeading(QPainter& p, const PageContext& c)
{
    const QMargins m = c.margins();
    const TStitch& doc = c.design.stitch;
    p.save();
    opaqueText(p, 14);
    PageText::at(p, m.left(), m.top(), c.title());
    QString comment = doc.comment.join(QLatin1Char(' '));
    comment.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
    PageText::at(p, m.left(), m.top() + c.layout.titleHeightPx, comment.isEmpty() ? doc.colorsname() : comment);
    p.restore();
}

void drawPageLabel(QPainter& p, const PageContext& c, int pageNum)
{
    const TPreview& l = c.layout;
    if (!l.options.pageNumbers)
        return;
    p.save();
    opaqueText(p, 12);
    const QString text = c.translated(QStringLiteral("Page")) + QStringLiteral(": ") + QString::number(pageNum) + QLatin1Char('/')
        + QString::number(l.pageNumber);
    const int x = (l.pagewidthReal - PageText::extent(p, text).width()) / 2;
    PageText::at(p, x, l.pageheightReal - LayoutMath::nearest(5 * l.mmPx) - c.margins().bottom(), text);
    p.restore();
}
} // namespace PageHeading
