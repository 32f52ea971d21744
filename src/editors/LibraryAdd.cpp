#include "editors/LibraryAdd.h"
#include "editing/TRect.h"
#include "files/QmkWriter.h"
#include "imaging/ColorValues.h"
#include "model/Design.h"
#include "model/Translatable.h"
#include <QDir>
#include <QPainter>

namespace {
constexpr QRgb kOpaque = 0xFF000000u;
}

QRect LibraryAdd::rectangle(const Design& design, const std::optional<TRect>& selection)
{
    const QRect whole(0, 0, design.width(), design.height());
    if (!selection)
        return whole;
    const QRect chosen(QPoint(selection->Left, selection->Top), QPoint(selection->Right - 1, selection->Bottom - 1));
    return chosen.intersected(whole);
}

QImage LibraryAdd::preview(const Design& design, const QRect& cells)
{
    const TColor32 empty = design.stitch.BackGroundColor;
    const QRgb background = empty | kOpaque;
    QImage picture(2 * cells.width(), 2 * cells.height(), QImage::Format_RGB32);
    for (int y = 0; y < cells.height(); ++y) {
        const TColor32* row = design.CrossLayer.constScanLine(cells.top() + y) + cells.left();
        auto* top = reinterpret_cast<QRgb*>(picture.scanLine(2 * y));
        auto* bottom = reinterpret_cast<QRgb*>(picture.scanLine(2 * y + 1));
        for (int x = 0; x < cells.width(); ++x) {
            const QRgb c = row[x] == empty ? background : (row[x] | kOpaque);
            top[2 * x] = top[2 * x + 1] = bottom[2 * x] = bottom[2 * x + 1] = c;
        }
    }
    const QPoint corner = 2 * cells.topLeft();
    for (int qy = 0; qy < 2 * cells.height(); ++qy) {
        const TColor32* row = design.QuarterLayer.constScanLine(corner.y() + qy) + corner.x();
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(qy));
        for (int qx = 0; qx < 2 * cells.width(); ++qx) {
            if (row[qx] != empty)
                line[qx] = row[qx] | kOpaque;
        }
    }
    // The back stitches' bounds include the rectangle's far edges: a stitch along the right or
    // bottom edge of the last cells belongs to them.
    const QRect points(corner, QSize(2 * cells.width() + 1, 2 * cells.height() + 1));
    QPainter painter(&picture);
    for (const TBackStitch& s : design.BackStitchList) {
        if (points.contains(s.FromPoint) && points.contains(s.ToPoint)) {
            painter.setPen(QColor::fromRgb(rgbOf(s.Color)));
            painter.drawLine(s.FromPoint - corner, s.ToPoint - corner);
        }
    }
    return picture;
}

bool LibraryAdd::nameAllowed(const QString& typed)
{
    static const QString forbidden = QStringLiteral("\"*/:<>?\\|");
    if (typed.isEmpty() || typed == QLatin1String(".") || typed == QLatin1String(".."))
        return false;
    return std::none_of(typed.cbegin(), typed.cend(), [](QChar c) { return c.unicode() < 32 || c.unicode() == 127 || forbidden.contains(c); });
}

QString LibraryAdd::fileName(const QString& typed)
{
    return typed.endsWith(QLatin1String(".qmk")) ? typed : typed + QStringLiteral(".qmk");
}

Status LibraryAdd::save(Design& design, const QString& folder, const QString& typed, const QRect& cells,
    const QString& title, const QString& description)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return Status::error(TRANSLATABLE("The library folder %1 cannot be made."), {QDir::toNativeSeparators(folder)});
    const QmkTexts texts{title, description.isEmpty() ? QStringList() : description.split(QLatin1Char('\n'))};
    return SaveQMK(design, QDir(folder).filePath(fileName(typed)), cells, design.CrossLayer, &texts);
}
