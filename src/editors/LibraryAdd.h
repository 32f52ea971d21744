#pragma once
#include "model/Status.h"
#include <QImage>
#include <QRect>
#include <optional>

class Design;
struct TRect;

// Storing the open design, or the selected part of it, in the design library.
namespace LibraryAdd {
// The cells to store: the selection clipped to the design when there is one, else the whole
// design. Empty when the selection lies wholly outside the design.
QRect rectangle(const Design& design, const std::optional<TRect>& selection);

// What will be stored, at 2 x 2 pixels per stitch on the design's background: the full and
// quarter stitches inside `cells` and the back stitches whose two end points both lie inside or
// on its edge.
QImage preview(const Design& design, const QRect& cells);

// Whether a typed file name can be saved: not empty, not "." or "..", and without control
// characters or any of " * / : < > ? \ |.
bool nameAllowed(const QString& typed);
// The file name written: ".qmk" appended unless the name already ends exactly in it.
QString fileName(const QString& typed);

// Writes `cells` of the design to the library folder (made when missing) under
// fileName(typed), carrying `title` and `description`; the design itself never changes.
Status save(Design& design, const QString& folder, const QString& typed, const QRect& cells, const QString& title,
    const QString& description);
} // namespace LibraryAdd
