#pragma once
#include "model/Status.h"
#include <QIODevice>
#include <QString>

class Design;

// Writes a design as an Open Cross Stitch file (".oxs") through SafeFileWriter, so a failed
// export leaves the old file whole. Nothing of the design changes: exporting is not saving.
//
// The file is UTF-8 under the root "chart": `format` (what the elements mean), `properties`
// (size, title, comment, and the program's own palette, symbol set and thread lengths, so that
// its own files open again as they were), `palette` (the background as index 0, then the
// colours in use in palette order), `fullstitches`, `backstitches` (rhode stitches carry the
// rhode's place in the design's list) and `ornaments_inc_knots_and_beads` (quarters, then
// french knots). Positions other than full stitches are in cells on the corner lattice; numbers
// are in the C locale, and characters XML 1.0 cannot hold are left out. The same design always
// gives the same bytes.
Status SaveOXS(const Design& design, const QString& fileName);

namespace OxsWriter {
// Streams the file to `device`; false when the device failed.
bool write(const Design& design, QIODevice& device);
} // namespace OxsWriter
