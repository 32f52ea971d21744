#include "imaging/WhiteGround.h"

namespace {
// Over white: c x a / 255 + 255 x (255 - a) / 255, to the nearest unit.
inline QRgb overWhite(QRgb p)
{
    const int a = qAlpha(p);
    if (a == 255)
        return p;
    const int white = 255 * (255 - a);
    const auto blend = [&](int c) { return (c * a + white + 127) / 255; };
    return qRgb(blend(qRed(p)), blend(qGreen(p)), blend(qBlue(p)));
}
} // namespace

void WhiteGround::compose(QImage& image)
{
    if (image.isNull())
        return;
    if (!image.hasAlphaChannel()) {
        if (image.format() == QImage::Format_RGB32)
            image.reinterpretAsFormat(QImage::Format_ARGB32);
        else if (image.format() != QImage::Format_ARGB32)
            image = image.convertToFormat(QImage::Format_ARGB32);
        return;
    }
    if (image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_ARGB32);
    if (image.isNull())
        return;
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = overWhite(row[x]);
    }
}
