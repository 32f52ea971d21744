#include "printing/RealPagePicture.h"
#include "imaging/Rounding.h"
#include "model/Design.h"
#include "preview/TFImages.h"
#include "printing/TMyPage.h"
#include <QPainter>
#include <algorithm>

namespace {
// Pixels of one band: a page's picture is made this much at a time.
constexpr qint64 kBandPixels = qint64(1) << 22;
} // namespace

RealPagePicture::RealPagePicture(const Design& design, double cellWidth, double cellHeight, double scale, bool knitting)
    : m_design(design), m_cellWidth(cellWidth), m_cellHeight(cellHeight), m_renderer(TFImages::instance())
{
    m_renderer.prepare(design, std::max(1, rnd(cellWidth * scale)), knitting);
}

void RealPagePicture::draw(QPainter& painter, const TMyPage& page, const QPoint& topLeft)
{
    const QRect cells(page.cellXFirst, page.cellYFirst, page.cellXLast + 1 - page.cellXFirst, page.cellYLast + 1 - page.cellYFirst);
    drawCells(painter, cells, QRectF(topLeft, QSizeF(rnd(cells.width() * m_cellWidth), rnd(cells.height() * m_cellHeight))));
}

void RealPagePicture::drawCells(QPainter& painter, const QRect& cells, const QRectF& target)
{
    const int cw = m_renderer.FCellWidth;
    const int ch = m_renderer.FCellHeight;
    const QRect picture(cells.left() * cw, cells.top() * ch, cells.width() * cw, cells.height() * ch);
    if (picture.isEmpty())
        return;
    const int bandRows = int(std::clamp<qint64>(kBandPixels / picture.width(), 1, picture.height()));
    const double sx = target.width() / picture.width();
    const double sy = target.height() / picture.height();
    QImage band;
    for (int y = 0; y < picture.height(); y += bandRows) {
        const QRect region(picture.left(), picture.top() + y, picture.width(), std::min(bandRows, picture.height() - y));
        if (band.size() != region.size())
            band = QImage(region.size(), QImage::Format_RGB32);
        m_renderer.DrawBitmap(band, region);
        painter.drawImage(QRectF(target.left(), target.top() + y * sy, picture.width() * sx, region.height() * sy), band);
    }
}
