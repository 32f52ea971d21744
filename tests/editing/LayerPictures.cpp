#include "LayerPictures.h"

void LayerPictures::paint(TBitmap32& layer, const QStringList& rows, const Colors& colors, TColor32 background)
{
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows[y].size(); ++x) {
            layer.setPixel(x, y, background);
            for (const auto& [ch, color] : colors) {
                if (rows[y][x] == QLatin1Char(ch))
                    layer.setCanvasPixel(x, y, color);
            }
        }
    }
}

QStringList LayerPictures::read(const TBitmap32& layer, const Colors& colors, TColor32 background)
{
    QStringList rows;
    for (int y = 0; y < layer.height(); ++y) {
        QString row;
        for (int x = 0; x < layer.width(); ++x) {
            QChar ch = QLatin1Char('?');
            if (layer.pixel(x, y) == background)
                ch = QLatin1Char('.');
            for (const auto& [c, color] : colors) {
                if (layer.pixel(x, y) == stitchPixel(color))
                    ch = QLatin1Char(c);
            }
            row += ch;
        }
        rows << row;
    }
    return rows;
}

std::string LayerPictures::text(const TBitmap32& layer, const Colors& colors, TColor32 background)
{
    return text(read(layer, colors, background));
}
