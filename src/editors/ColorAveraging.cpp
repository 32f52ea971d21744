#include "editors/ColorAveraging.h"

QRect ColorAveraging::square(const QSize& picture, const QPoint& at, int size)
{
    const int half = std::max(size, 0) / 2;
    const QRect whole(at.x() - half, at.y() - half, 2 * half + 1, 2 * half + 1);
    return whole.intersected(QRect(QPoint(0, 0), picture));
}

std::optional<TColorRef> ColorAveraging::average(const TBitmap32& picture, const QPoint& at, int size)
{
    const QRect r = square(QSize(picture.width(), picture.height()), at, size);
    if (r.isEmpty())
        return std::nullopt;
    qint64 red = 0, green = 0, blue = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const TColorRef c = picture.canvasPixel(x, y);
            red += redOf(c);
            green += greenOf(c);
            blue += blueOf(c);
        }
    }
    const qint64 count = qint64(r.width()) * r.height();
    return makeColorRef(int(red / count), int(green / count), int(blue / count));
}
