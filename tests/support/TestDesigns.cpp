#include "support/TestDesigns.h"
#include "model/TCharacters.h"

TColorTable TestDesigns::palette(const QList<TColorRef>& colors)
{
    TColorTable table;
    int order = 0;
    for (TColorRef c : colors) {
        TColorInfo info;
        info.colorName = QStringLiteral("Colour %1").arg(c, 6, 16, QLatin1Char('0'));
        info.colorID = QString::number(order + 100);
        info.matchColor = c;
        info.charID = order;
        info.orderID = order++;
        table.insert(c, info);
    }
    return table;
}

std::unique_ptr<Design> TestDesigns::empty(int width, int height, const QList<TColorRef>& colors)
{
    auto d = std::make_unique<Design>();
    d->stitch.BackGroundColor = 0xFFFFFFFFu;
    d->stitch.Colors = palette(colors);
    d->stitch.chars = std::make_unique<TCharacters>(defaultCharacterString());
    d->allocateLayers(width, height);
    return d;
}

std::unique_ptr<Design> TestDesigns::fromRows(const QStringList& rows, const QList<QPair<char, TColorRef>>& colors)
{
    QList<TColorRef> values;
    for (const auto& [ch, color] : colors)
        values << color;
    auto d = empty(int(rows.value(0).size()), int(rows.size()), values);
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows[y].size(); ++x) {
            for (const auto& [ch, color] : colors) {
                if (rows[y][x] == QLatin1Char(ch))
                    d->CrossLayer.setCanvasPixel(x, y, color);
            }
        }
    }
    return d;
}

TRhodeRef TestDesigns::rhodeShape(const QString& name, int width, int height, bool original, const QList<QList<int>>& stitches)
{
    auto r = std::make_shared<TRhode>();
    r->name = name;
    r->width = width;
    r->height = height;
    r->original = original;
    for (const QList<int>& s : stitches) {
        TBackStitch stitch;
        stitch.FromPoint = QPoint(s[0], s[1]);
        stitch.ToPoint = QPoint(s[2], s[3]);
        r->stitches.append(stitch);
    }
    return r;
}
