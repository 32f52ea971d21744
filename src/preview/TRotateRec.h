#pragma once
#include "imaging/TBitmap32.h"
#include <QPoint>

// A back-stitch strip turned to its angle and tinted, magenta where transparent, with the
// places its left end (p1) and right end (p2) came to in the turned image.
struct TRotateRec
{
    QPoint p1;
    QPoint p2;
    TBitmap32 imagerotated;
};
