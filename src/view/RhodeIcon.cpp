#include "view/RhodeIcon.h"
#include "model/TRhode.h"
#include <QPainter>
#include <algorithm>

namespace {
constexpr TColorRef kStitchColor = 2198006;
constexpr quint32 kGridColor = 0xFF808080u;

int scaleFor(int largest)
{
    return std::max(1, (RhodeIcon::kSize - 1) / std::max(1, largest));
}
} // namespace

QImage RhodeIcon::draw(const TRhode& shape)
{
    int largestX = 0, largestY = 0;
    for (const TBackStitch& s : shape.stitches) {
        largestX = std::max({largestX, s.FromPoint.x(), s.ToPoint.x()});
        largestY = std::max({largestY, s.FromPoint.y(), s.ToPoint.y()});
    }
    const int sx = scaleFor(largestX), sy = scaleFor(largestY);
    QImage icon(kSize, kSize, QImage::Format_RGB32);
    icon.fill(Qt::white);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor::fromRgb(kGridColor));
    // A cell is two half-cell units.
    for (int x = 0; x < kSize; x += 2 * sx)
        p.drawLine(x, 0, x, kSize - 1);
    for (int y = 0; y < kSize; y += 2 * sy)
        p.drawLine(0, y, kSize - 1, y);
    p.setPen(QPen(QColor::fromRgb(rgbOf(kStitchColor)), 3, Qt::SolidLine, Qt::RoundCap));
    for (const TBackStitch& s : shape.stitches)
        p.drawLine(s.FromPoint.x() * sx, s.FromPoint.y() * sy, s.ToPoint.x() * sx, s.ToPoint.y() * sy);
    return icon;
}
