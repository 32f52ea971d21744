#pragma once
#include "imaging/TBitmap32.h"

// The ready cell images of one thread colour at one cell size: a full cross on fabric, and
// the quarter cross on fabric (one image; QImage sharing makes the four fields one copy).
struct TDicRec
{
    TBitmap32 Cross;
    TBitmap32 TopLeft;
    TBitmap32 TopRight;
    TBitmap32 BottomLeft;
    TBitmap32 BottomRight;
};
