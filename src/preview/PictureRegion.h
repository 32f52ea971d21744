#pragma once
#include "imaging/ColorValues.h"
#include <QImage>
#include <QRect>

// A rectangle of the whole preview picture and the image that holds its pixels: picture pixel
// (x, y) is image pixel (x - rect.left, y - rect.top). Everything drawn is clipped to it.
struct PictureRegion
{
    QImage* image = nullptr;
    QRect rect;

    TColor32* line(int pictureY) const
    {
        return reinterpret_cast<TColor32*>(image->scanLine(pictureY - rect.top())) - rect.left();
    }
};
