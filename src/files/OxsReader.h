#pragma once
#include "files/OxsFile.h"
#include "model/Status.h"
#include <QIODevice>
#include <QString>

// Reads an Open Cross Stitch file (".oxs") into a record; never touches a design.
//
// The file is streamed element by element (a chart of a million stitches is a million elements)
// under the root "chart": the attributes of `properties`, the `palette_item`s of `palette`, the
// `stitch`es of `fullstitches`, the `backstitch`es of `backstitches` and the `object`s of
// `ornaments_inc_knots_and_beads`, in any order. Unknown elements and attributes are passed over.
// Items are read leniently (see OxsValues); one without a position is counted, not kept, and
// part stitches, tent stitches and full crosses on half cells become quarters here.
//
// Refused with a message naming the file: a file larger than kMaxFileBytes, XML that is not well
// formed or ends before the root closes, a document type declaration, a root other than "chart",
// elements nested deeper than kMaxDepth and more than kMaxPaletteItems palette entries.
namespace OxsReader {
constexpr qint64 kMaxFileBytes = qint64(1) << 30;
constexpr int kMaxDepth = 64;
constexpr int kMaxPaletteItems = 32767;

Status read(OxsFile& file, const QString& fileName);
// The same from an open device; `fileName` only names the file in messages.
Status read(OxsFile& file, QIODevice& device, const QString& fileName);
} // namespace OxsReader
