#pragma once
#include "model/Status.h"
#include <QImage>
#include <QString>

// The shadow picture of a design lies beside the design file as a PNG of the same name. The
// program marks the PNGs it writes, so it can tell them from a picture of the user's own that
// happens to have that name (the photograph a design was converted from, most often).
namespace ShadowFile {
inline constexpr char kSoftwareKey[] = "Software";
inline constexpr char kMarker[] = "Threadwright shadow picture";

// The design file's path with its extension replaced by ".png".
QString sideFileName(const QString& designFile);

// Reads a side file, laid on white. A missing file is no error: the picture comes back null.
// A file that cannot be read, or whose header gives more pixels than the program decodes, is
// an error and leaves the picture null.
Status read(const QString& fileName, QImage* picture);

// Writes the picture as a marked PNG, atomically: on failure the old file stays whole.
Status write(const QString& fileName, const QImage& picture);

// True when the file is a PNG this program wrote as a shadow picture.
bool isMarked(const QString& fileName);
} // namespace ShadowFile
