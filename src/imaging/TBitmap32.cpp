#include "imaging/TBitmap32.h"
#include "imaging/HugePages.h"
#include <algorithm>
#include <new>

TBitmap32::TBitmap32(int width, int height, TColor32 fill)
{
    SetSize(width, height);
    this->fill(fill);
}

void TBitmap32::SetSize(int width, int height)
{
    if (width <= 0 || height <= 0) {
        m_image = QImage();
        return;
    }
    m_image = QImage(width, height, QImage::Format_ARGB32);
    if (m_image.isNull())
        throw std::bad_alloc();
    adviseHugePages(m_image.bits(), size_t(m_image.sizeInBytes()));
}

void TBitmap32::fill(TColor32 value)
{
    if (!empty())
        m_image.fill(value);
}

void TBitmap32::setPixels(const QList<QPoint>& points, TColor32 value)
{
    TColor32* row = nullptr;
    int rowY = -1;
    for (const QPoint& p : points) {
        if (p.y() != rowY) {
            rowY = p.y();
            row = scanLine(rowY);
        }
        row[p.x()] = value;
    }
}

void TBitmap32::fillRect(const QRect& rect, TColor32 value)
{
    const QRect r = rect.intersected(QRect(0, 0, width(), height()));
    for (int y = r.top(); y <= r.bottom(); ++y) {
        TColor32* line = scanLine(y);
        std::fill(line + r.left(), line + r.right() + 1, value);
    }
}

bool TBitmap32::operator==(const TBitmap32& other) const
{
    if (width() != other.width() || height() != other.height())
        return false;
    for (int y = 0; y < height(); ++y) {
        if (!std::equal(constScanLine(y), constScanLine(y) + width(), other.constScanLine(y)))
            return false;
    }
    return true;
}
