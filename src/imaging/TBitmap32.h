#pragma once
#include "imaging/ColorValues.h"
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>

// A raster of 32-bit ARGB pixels over a QImage (Format_ARGB32, never premultiplied, so the
// alpha byte of a stitch pixel survives every write and read unchanged).
//
// Raw access reads and writes TColor32 values as stored. The "canvas" access speaks thread
// colour values: it stores a stitch with alpha 0 and reads a pixel's colour without its alpha.
class TBitmap32
{
public:
    TBitmap32() = default;
    TBitmap32(int width, int height, TColor32 fill = 0);

    // Reallocates to the given size; the contents are undefined until filled.
    // Throws std::bad_alloc when the pixels cannot be allocated.
    void SetSize(int width, int height);
    void Clear() { m_image = QImage(); }

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    bool empty() const { return m_image.isNull(); }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }

    TColor32 pixel(int x, int y) const { return constScanLine(y)[x]; }
    void setPixel(int x, int y, TColor32 value) { scanLine(y)[x] = value; }

    TColorRef canvasPixel(int x, int y) const { return colorRefFromColor32(pixel(x, y)); }
    void setCanvasPixel(int x, int y, TColorRef color) { setPixel(x, y, stitchPixel(color)); }

    const TColor32* constScanLine(int y) const
    {
        return reinterpret_cast<const TColor32*>(m_image.constScanLine(y));
    }
    TColor32* scanLine(int y) { return reinterpret_cast<TColor32*>(m_image.scanLine(y)); }

    void fill(TColor32 value);
    void fillRect(const QRect& rect, TColor32 value);
    // One value at many points (inside the bitmap), taking a row's pointer once for each run of
    // points on the same row.
    void setPixels(const QList<QPoint>& points, TColor32 value);

    bool operator==(const TBitmap32& other) const;

    const QImage& image() const { return m_image; }
    QImage& image() { return m_image; }

private:
    QImage m_image;
};
