#pragma once
#include "imaging/ColorValues.h"
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

// Lays the shadow picture over the rendered view. The picture is stretched over the whole
// design (W x CellWidth by H x CellHeight view pixels, no aspect correction) by nearest
// neighbour, but only the pixels asked for are sampled, straight from the picture: no scaled
// copy of the picture is ever made, so the memory does not grow with the design or the zoom.
//
// Each picture pixel F over a view pixel B: F equal to the background in all 32 bits leaves B
// (so pure background in the picture is see-through); otherwise with w = rnd(opacity x
// alpha(F) / 255) each channel becomes rnd(F x w / 255) + rnd(B x (255 - w) / 255). The two
// products come from tables made once per opacity.
class ShadowCombine
{
public:
    struct Placement
    {
        QSize designPixels;  // the whole design in view pixels
        QPoint scroll;       // the design pixel shown at view pixel (0, 0)
    };

    // The picture pixel under design pixel `d` along a side of `designSide` pixels of a picture
    // side of `pictureSide`: floor((d + 0.5) x pictureSide / designSide), kept inside.
    static int sourceIndex(int d, int designSide, int pictureSide);

    // Combines the picture into `area` (view pixels lying inside the design) of `frame`.
    void apply(QImage& frame, const QRect& area, const QImage& picture, const Placement& placement,
        TColor32 background, int opacity);

private:
    void prepareTables(int weight);
    QRgb blend(QRgb front, QRgb back, int alpha, int opacity);

    int m_weight = -1;
    std::array<quint8, 256> m_front{};
    std::array<quint8, 256> m_back{};
};
