#include "editing/TextStitches.h"
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {
// 96 dots per inch.
constexpr int kDotsPerMeter = 3780;

QImage canvas(int width, int height)
{
    QImage image(std::max(1, width), std::max(1, height), QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(0);
    return image;
}

QFont fontFor(const QString& family, int points, TextStitches::Style style)
{
    QFont font(family);
    font.setPointSize(points);
    font.setBold(style == TextStitches::styleBold || style == TextStitches::styleBoldItalic);
    font.setItalic(style == TextStitches::styleItalic || style == TextStitches::styleBoldItalic);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setKerning(false);
    return font;
}

void draw(QImage& image, const QFont& font, int ascent, const QString& text)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(0, ascent), text);
}

// One past the rightmost column holding ink, 0 when there is none.
int inkRight(const QImage& image)
{
    int right = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = image.width() - 1; x >= right; --x) {
            if (row[x]) {
                right = x + 1;
                break;
            }
        }
    }
    return right;
}
} // namespace

QImage TextStitches::render(const QString& text, const QString& family, int points, Style style)
{
    if (text.isEmpty() || points < kMinPoints || points > kMaxPoints)
        return {};
    const QFont font = fontFor(family, points, style);
    const QImage probe = canvas(1, 1);
    const QFontMetrics metrics(font, &probe);
    const int advance = metrics.horizontalAdvance(text);
    const int height = metrics.height();
    // Drawn first with room for ink beyond the advance (italic overhang), then cut to size.
    QImage wide = canvas(advance + 2 * height, height);
    draw(wide, font, metrics.ascent(), text);
    wide = wide.convertToFormat(QImage::Format_Alpha8);
    const int width = std::max(advance, inkRight(wide));
    return wide.copy(0, 0, std::max(1, width), height);
}

bool TextStitches::hasInk(const QImage& mask)
{
    return !mask.isNull() && inkRight(mask) > 0;
}

int TextStitches::pointsFrom(const QString& typed)
{
    bool ok = false;
    const int points = typed.trimmed().toInt(&ok);
    return ok && points >= kMinPoints && points <= kMaxPoints ? points : 0;
}
