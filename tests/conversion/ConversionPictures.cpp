#include "conversion/ConversionPictures.h"
#include "support/TestDesigns.h"

TBitmap32 ConversionPictures::picture(const std::vector<std::vector<TColorRef>>& rows)
{
    TBitmap32 bitmap(int(rows.front().size()), int(rows.size()));
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x)
            bitmap.setPixel(x, y, color32FromColorRef(rows[size_t(y)][size_t(x)]));
    }
    return bitmap;
}

TBitmap32 ConversionPictures::greys(const std::vector<std::vector<int>>& rows)
{
    std::vector<std::vector<TColorRef>> colors;
    for (const auto& row : rows) {
        colors.emplace_back();
        for (int v : row)
            colors.back().push_back(grey(v));
    }
    return picture(colors);
}

std::vector<std::vector<TColorRef>> ConversionPictures::colorsOf(const TBitmap32& bitmap)
{
    std::vector<std::vector<TColorRef>> rows(size_t(bitmap.height()));
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x)
            rows[size_t(y)].push_back(bitmap.canvasPixel(x, y));
    }
    return rows;
}

std::vector<std::vector<int>> ConversionPictures::greysOf(const TBitmap32& bitmap)
{
    std::vector<std::vector<int>> rows(size_t(bitmap.height()));
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x)
            rows[size_t(y)].push_back(redOf(bitmap.canvasPixel(x, y)));
    }
    return rows;
}

TColorTable ConversionPictures::greyPalette(const QList<int>& values)
{
    QList<TColorRef> colors;
    for (int v : values)
        colors << grey(v);
    return TestDesigns::palette(colors);
}

TColorTable ConversionPictures::gapPalette()
{
    QList<int> values;
    for (int v = 0; v <= 255; ++v) {
        if (v < 100 || v > 160)
            values << v;
    }
    return greyPalette(values);
}
