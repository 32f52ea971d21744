#pragma once
#include <QImage>

// Direct access to the 32-bit pixels of a frame for the renderer's inner loops, which must not
// pay QImage's per-call checks for every pixel.
struct FramePixels
{
    FramePixels() = default;
    explicit FramePixels(QImage& image)
        : bits(reinterpret_cast<quint32*>(image.bits()))
        , stride(image.bytesPerLine() / 4)
    {
    }

    quint32* line(int y) const { return bits + qsizetype(y) * stride; }

    quint32* bits = nullptr;
    qsizetype stride = 0;
};
