#pragma once
#include "model/Status.h"
#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>

class Design;
class TBitmap32;

// Writes design files (".qmk"). The whole file is built in memory and handed to SafeFileWriter,
// so a failed save leaves the old file whole; the caller marks the design saved only when the
// returned Status is ok. Saving gives every entry of the design's colour table its `Ord`, its
// position in the file's colour block, which the cells refer to; nothing else in the design
// changes.
//
// Strings are written in Windows-1252 and clipped at qmkFile::kMaxStringBytes. A stitch colour
// that is missing from the colour table gets a nameless entry in the file, so no stitch is lost.

// The whole design.
Status SaveQMK(Design& design, const QString& fileName);
// The title and comment lines a file carries.
struct QmkTexts
{
    QString title;
    QStringList comment;
};

// An excerpt (the design library's): the cells of `raster` inside `cells` (right and bottom
// exclusive, in cell units), the quarter stitches of the design under them, and only the back
// stitches, french knots and rhodes that lie wholly inside, moved to the excerpt's corner. The
// file carries `texts` when given, else the design's own title and comment; the design itself
// never changes.
Status SaveQMK(Design& design, const QString& fileName, const QRect& cells, const TBitmap32& raster,
    const QmkTexts* texts = nullptr);

namespace QmkWriter {
// The bytes SaveQMK writes; `raster` is CrossLayer for the whole design.
Status encode(Design& design, const QRect& cells, const TBitmap32& raster, bool excerpt, QByteArray& bytes);
} // namespace QmkWriter
