#pragma once
#include "imaging/PictureLimits.h"
#include "imaging/TBitmap32.h"
#include "model/Status.h"
#include <QSize>
#include <QString>

// Reads the picture to convert, in any raster format that Qt's image plugins read (JPEG, PNG,
// BMP, GIF, TIFF, WebP where installed).
namespace PictureLoader {
// The largest picture the conversion takes, in pixels: larger ones are refused as too big to
// hold, before their pixels are decoded.
constexpr qint64 kMaxPixels = kMaxPicturePixels;

bool sizeAllowed(const QSize& size);

// Loads the file into `PictureSource`, opaque ARGB with transparent parts laid on white. The
// size in the file's header is checked before decoding, so a huge picture is refused without its
// pixels ever being allocated. On failure the raster is left as it was.
Status load(const QString& fileName, TBitmap32& PictureSource);

// The message of every failure to hold a picture's rasters.
Status outOfMemory();
} // namespace PictureLoader
