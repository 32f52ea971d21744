#pragma once
#include <QtGlobal>

// The largest picture the program decodes, in pixels (4 bytes each, so 200 MB for the raster):
// larger ones are refused from the size in their header, before any pixel is allocated.
constexpr qint64 kMaxPicturePixels = 50000000;
