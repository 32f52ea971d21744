#include "printing/PageMiniature.h"
#include "printing/LayoutMath.h"
#include "printing/TPreview.h"
#include <QPainter>
#include <algorithm>

namespace {
using LayoutMath::nearest;

// The page box's width and height: the table's cells shaped like the page.
QSize cellSize(const QImage& image, const TPreview& layout)
{
    int cw = image.width() / std::max(layout.hpages, 1);
    int ch = image.height() / std::max(layout.vpages, 1);
    const double shorter = std::min(layout.pagewidthmmReal, layout.pageheightmmReal);
    const double longer = std::max(layout.pagewidthmmReal, layout.pageheightmmReal);
    if (shorter <= 0)
        return {cw, ch};
    const double r = layout.format() == fLandscape ? longer / shorter : shorter / longer;
    if (ch > 0 && double(cw) / ch > r)
        cw = nearest(ch * r);
    else
        ch = nearest(cw / r);
    return {cw, ch};
}

QColor pageColor(const TMyPage& page)
{
    switch (page.PrintStitches) {
    case psBackStitchOnly:
        return PageMiniature::kBackStitches;
    case psBookHeader:
    case psBookFooter:
    case psContents:
        return PageMiniature::kExtra;
    case psStitchList:
        return PageMiniature::kStitchSteps;
    case psLabels:
        return PageMiniature::kLabels;
    default:
        return page.keysOnly ? PageMiniature::kKey : PageMiniature::kPattern;
    }
}

// The coloured areas of a chart page: the title and comment bands of the first page, the chart
// and the key, at the scale of the box.
void drawAreas(QPainter& p, const QRect& box, const TMyPage& page, const TPreview& layout, double scale)
{
    const auto scaled = [&](double x, double y, double w, double h) {
        return QRectF(box.left() + x * scale, box.top() + y * scale, w * scale, h * scale).toAlignedRect() & box;
    };
    const bool chart = page.cellsX > 0 && page.cellsY > 0;
    if (page.pageNum == 1 && chart) {
        p.fillRect(scaled(0, 0, layout.pagewidthReal, layout.titleHeightPx), PageMiniature::kTitle);
        p.fillRect(scaled(0, layout.titleHeightPx, layout.pagewidthReal, layout.CommentHeightPX), PageMiniature::kComment);
    }
    if (chart) {
        p.fillRect(scaled(page.xOffcetPx, page.yOffcetPx, page.cellsX * layout.gridWidthPx + layout.borderPX,
                       page.cellsY * layout.gridHeightPx + layout.borderPX),
            pageColor(page));
    }
    if (!chart || page.keysOnly)
        p.fillRect(box, pageColor(page));
    else if (layout.showsKey(page))
        p.fillRect(scaled(0, layout.pageheightReal * 0.8, layout.pagewidthReal, layout.pageheightReal * 0.2), PageMiniature::kKey);
}
} // namespace

void PageMiniature::draw(QImage& image, const TPreview& layout)
{
    image.fill(Qt::white);
    if (layout.PageMap.empty() || layout.pageheightReal < 1)
        return;
    const QSize cell = cellSize(image, layout);
    const double scale = double(cell.height()) / layout.pageheightReal;
    QPainter p(&image);
    QFont font = p.font();
    font.setPixelSize(std::max(1, nearest(cell.height() / 3.0)));
    p.setFont(font);
    for (const auto& [at, page] : layout.PageMap) {
        const QRect cellBox(at.x() * cell.width(), at.y() * cell.height(), cell.width(), cell.height());
        const QRect box = cellBox.adjusted(1, 1, -1, -1);
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawRect(box.adjusted(0, 0, -1, -1));
        drawAreas(p, box.adjusted(1, 1, -1, -1), page, layout, scale);
        p.setPen(Qt::blue);
        p.drawText(cellBox, Qt::AlignCenter, QString::number(page.pageNum));
    }
}
