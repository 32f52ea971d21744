#include "printing/BookPagePainter.h"
#include "model/Design.h"
#include "printing/LayoutMath.h"
#include "printing/PageHeading.h"
#include "printing/PageText.h"
#include "printing/RealPagePicture.h"
#include "printing/TPreview.h"
#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

using LayoutMath::nearest;

namespace {
const QString kCalibri = QStringLiteral("Calibri");
const QColor kHeadingBlue(0x36, 0x5F, 0x91);
const QColor kSubtitleBlue(0x4F, 0x82, 0xBE);

void setText(QPainter& p, qreal points, const QColor& color, bool bold = false, bool italic = false)
{
    p.setFont(PageText::points(kCalibri, points, bold, italic));
    p.setPen(color);
    p.setBackgroundMode(Qt::TransparentMode);
}

QRect spanning(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}
} // namespace

BookPagePainter::BookPagePainter(const PageContext& context)
    : m_c(context)
{
}

void BookPagePainter::centred(QPainter& p, double f, const QString& text) const
{
    const TPreview& l = m_c.layout;
    PageText::at(p, (l.pagewidthReal - PageText::extent(p, text).width()) / 2, nearest(f * l.pageheightReal), text);
}

QRectF BookPagePainter::titlePicture() const
{
    const TPreview& l = m_c.layout;
    const double fh = l.options.knitting ? 0.7 : 1.0;
    const int wd = m_c.design.width();
    const int hd = m_c.design.height();
    const int box = nearest(0.528 * l.pageheightReal);
    const int longer = std::max({nearest(wd * 1.0), nearest(fh * hd), 1});
    // Whole device pixels per stitch; a design with more stitches than the box has pixels gets
    // the exact fraction instead of 0, shrinking its picture into the same box.
    double s = box / longer;
    if (s < 1)
        s = double(box) / longer;
    const int left = nearest(l.pagewidthReal - s * wd) / 2;
    const int top = nearest(0.194 * l.pageheightReal) + (nearest(s * std::max(1.0 * wd, fh * hd)) - nearest(fh * hd * s)) / 2;
    return QRectF(left, top, nearest(wd * s), nearest(fh * hd * s));
}

void BookPagePainter::drawTitlePage(QPainter& p, double pictureScale) const
{
    const TStitch& doc = m_c.design.stitch;
    p.save();
    setText(p, 28, kHeadingBlue, true);
    centred(p, 0.13, m_c.translated(QStringLiteral("Design")));
    setText(p, 20, kHeadingBlue, true);
    centred(p, 0.76, m_c.translated(doc.Title));
    const QRectF picture = titlePicture();
    if (!picture.isEmpty() && m_c.design.width() > 0) {
        const double fh = m_c.layout.options.knitting ? 0.7 : 1.0;
        const double s = picture.width() / m_c.design.width();
        RealPagePicture real(m_c.design, s, s * fh, pictureScale, m_c.layout.options.knitting);
        real.drawCells(p, QRect(0, 0, m_c.design.width(), m_c.design.height()), picture);
    }
    setText(p, 11, Qt::black);
    const double lines[] = {0.788, 0.805, 0.822};
    for (int i = 0; i < std::min<qsizetype>(3, doc.comment.size()); ++i)
        centred(p, lines[i], doc.comment.at(i));
    setText(p, 11, Qt::black, false, true);
    centred(p, 0.861, QFileInfo(doc.filename()).fileName());
    setText(p, 11, kSubtitleBlue, true);
    centred(p, 0.889, m_c.translated(doc.SubTitle));
    p.restore();
}

QString BookPagePainter::plainFromRtf(const QString& rtf)
{
    QString text = rtf;
    // Escaped braces and backslashes are text; they are kept apart until the groups are gone.
    text.replace(QLatin1String("\\\\"), QChar(0xE000)).replace(QLatin1String("\\{"), QChar(0xE001)).replace(QLatin1String("\\}"), QChar(0xE002));
    // Groups of a destination (font and colour tables, style sheets, {\* ...}) hold no text.
    static const QRegularExpression destination(QStringLiteral(R"(\{\\(\*|fonttbl|colortbl|stylesheet|info)[^{}]*(\{[^{}]*\}[^{}]*)*\})"));
    text.remove(destination);
    static const QRegularExpression paragraph(QStringLiteral(R"(\\(par|line)\b ?)"));
    text.replace(paragraph, QStringLiteral("\n"));
    static const QRegularExpression hex(QStringLiteral(R"(\\'([0-9a-fA-F]{2}))"));
    for (QRegularExpressionMatch m = hex.match(text); m.hasMatch(); m = hex.match(text, m.capturedStart() + 1))
        text.replace(m.capturedStart(), m.capturedLength(), QChar(m.captured(1).toInt(nullptr, 16)));
    static const QRegularExpression word(QStringLiteral(R"(\\[a-zA-Z]+-?\d* ?)"));
    text.remove(word);
    text.remove(QLatin1Char('{')).remove(QLatin1Char('}'));
    text.replace(QChar(0xE000), QLatin1Char('\\')).replace(QChar(0xE001), QLatin1Char('{')).replace(QChar(0xE002), QLatin1Char('}'));
    return text.trimmed();
}

void BookPagePainter::drawInfoPage(QPainter& p) const
{
    const TPreview& l = m_c.layout;
    const int W = l.pagewidthReal;
    const int H = l.pageheightReal;
    p.save();
    setText(p, 28, kHeadingBlue, true);
    PageText::at(p, nearest(0.1 * W), nearest(0.13 * H), m_c.translated(QStringLiteral("Info")));
    const QRect box = spanning(nearest(0.1 * W), nearest(0.2 * H), nearest(0.9 * W), nearest(0.5 * H));
    QTextDocument text;
    text.documentLayout()->setPaintDevice(p.device());
    text.setDefaultFont(PageText::points(kCalibri, 11));
    const QString& info = m_c.design.stitch.BookInfo;
    if (info.startsWith(QLatin1String("{\\rtf")))
        text.setPlainText(plainFromRtf(info));
    else
        text.setHtml(info);
    text.setTextWidth(box.width());
    p.save();
    p.translate(box.topLeft());
    p.setClipRect(QRect(QPoint(0, 0), box.size()), Qt::IntersectClip);
    text.drawContents(&p, QRectF(QPointF(0, 0), box.size()));
    p.restore();
    setText(p, 11, kSubtitleBlue, true);
    PageText::at(p, nearest(0.1 * W), nearest(0.889 * H), m_c.translated(m_c.design.stitch.SubTitle));
    p.restore();
}

void BookPagePainter::drawContentsPage(QPainter& p, const TMyPage& page) const
{
    const TPreview& l = m_c.layout;
    const bool margins = l.options.inlineBorder;
    const int L0 = margins ? l.inlineBorderPX.left() : 5;
    int T0 = margins ? l.inlineBorderPX.top() : 5;
    p.save();
    p.setFont(PageText::points(QStringLiteral("Arial"), 14));
    p.setPen(Qt::black);
    PageText::at(p, L0, T0, m_c.translated(QStringLiteral("Contents")));
    T0 += 300;
    int cw = l.hpages > 0 ? (l.pagewidth - L0) / l.hpages : 0;
    int ch = l.vpages > 0 ? (l.pageheight - T0) / l.vpages : 0;
    if (cw > ch / 1.5)
        cw = nearest(ch / 1.5);
    else if (ch > cw * 1.5)
        ch = nearest(cw * 1.5);
    // A map cell below one pixel has no room for a page; the heading stands alone.
    if (cw >= 1 && ch >= 1) {
        const double sx = double(cw) / l.pagewidthReal;
        const double sy = double(ch) / l.pageheightReal;
        for (const auto& [at, shown] : l.PageMap)
            drawContentsCell(p, shown, QRect(L0 + at.x() * cw, T0 + at.y() * ch, cw, ch), sx, sy);
    }
    p.restore();
    PageHeading::drawPageLabel(p, m_c, page.pageNum);
}

void BookPagePainter::drawContentsCell(QPainter& p, const TMyPage& page, const QRect& cell, double sx, double sy) const
{
    const TPreview& l = m_c.layout;
    const int B = cell.left(), D = cell.top(), E = B + cell.width(), F = D + cell.height();
    const QMargins im = l.options.inlineBorder ? l.inlineBorderPX : QMargins();
    const int mL = nearest(im.left() * sx), mT = nearest(im.top() * sy), mR = nearest(im.right() * sx), mB = nearest(im.bottom() * sy);
    const int tH = nearest(l.titleHeightPx * sy), cH = nearest(l.CommentHeightPX * sy);
    const double kW = l.keyWidthPx, kH = l.keyHeightPx;
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(spanning(B, D, E, F).adjusted(0, 0, -1, -1));
    const auto fill = [&](int left, int top, int right, int bottom, QRgb color) { p.fillRect(spanning(left, top, right, bottom), QColor(color)); };
    if (page.isLeft && page.isTop) {
        fill(B + mL, D + mT, B + mL + cell.width() / 3, D + mT + tH, 0xFF75B4);
        fill(B + mL + 1, D + mT + tH + 2, B + mL + cell.width() / 2, D + mT + tH + cH + 1, 0x1188FF);
    }
    if (l.showsKey(page)) {
        const int t = (page.isTop ? tH + cH : 0);
        switch (l.position) {
        case pLeft:
            fill(B + mL, D + t + mT, nearest(B + mL + kW * sx * page.keycols), nearest(std::min(D + t + mT + kH * sy * page.keycount, double(F - mB))), 0xFFDE24);
            break;
        case pTop:
            fill(B + mL, D + tH + cH + mT, nearest(std::min(B + mL + kW * sx * page.keycount, double(E - mR))), nearest(D + tH + cH + mT + kH * sy * page.keycols), 0xFFDE24);
            break;
        case pRight:
            fill(int(std::floor(page.keyOffset * sx)) + B + mL, D + t + mT,
                nearest(std::min(std::ceil(page.keyOffset * sx) + B + kW * sx * page.keycols, double(E - mR))),
                nearest(std::min(D + t + mT + kH * sy * page.keycount, double(F - mB))), 0xFFDE24);
            break;
        case pBottom:
            fill(B + mL, int(std::floor(page.keyOffset * sy)) + D + mT, nearest(std::min(B + mL + kW * sx * page.keycount, double(E - mR))),
                nearest(std::min(std::ceil(page.keyOffset * sy) + D + kH * sy * page.keycols + mT, double(F))), 0xFFDE24);
            break;
        case pSeparate:
            fill(B + mL, D + mT, E - mR, F - mB - 1, 0xFFDE24);
            break;
        }
    }
    switch (page.PrintStitches) {
    case psBookHeader:
    case psBookFooter:
    case psContents:
        fill(B + mL, D + mT, E - mR, F - mB, 0x999999);
        break;
    case psStitchList:
        fill(B + mL, D + mT, E - mR, F - mB, 0xE5E5E5);
        break;
    case psLabels:
        fill(B + mL, D + mT, E - mR, F - mB, 0xFF8200);
        break;
    default:
        break;
    }
    const QString number = QString::number(page.pageNum);
    p.setFont(PageText::pixels(QStringLiteral("Arial"), nearest(cell.height() / 3.0)));
    p.setPen(Qt::blue);
    p.setBackgroundMode(Qt::TransparentMode);
    const QSize e = PageText::extent(p, number);
    const auto writeNumber = [&] {
        PageText::at(p, nearest(B + cell.width() / 2.0 - e.width() / 2.0), nearest(D + cell.height() / 2.0 - e.height() / 2.0), number);
    };
    writeNumber();
    if (page.cellsX > 0 && page.cellsY > 0) {
        const int x1 = nearest(page.xOffcetPx * sx) + B;
        const int y1 = nearest(page.yOffcetPx * sy) + D;
        const int x2 = std::min(nearest(page.cellsX * sx * l.gridWidthPx) + x1 - 1, E);
        const int y2 = std::min(nearest(page.cellsY * sy * l.gridHeightPx) + y1 - 1, F);
        fill(x1, y1, x2, y2, page.PrintStitches == psBackStitchOnly ? 0x8BAC2D : 0x13B601);
        writeNumber();
    }
}
