#pragma once
#include "files/OxsFile.h"
#include <QXmlStreamAttributes>

// The stitch items of an Open Cross Stitch file, each turned into what the program's grids hold.
//
// Full stitches name their cell. Every other item is placed on the corner lattice in cells: a
// quarter by its top-left corner, a knot by its centre, a line by its ends, a part stitch, a
// tent stitch or a full cross by its cell's top-left corner. Ends and corners off the half-cell
// points go to the nearest one. A full cross on a whole cell is a full stitch, anywhere else it
// is four quarters; part and tent stitches are the quarters their halves cover.
namespace OxsStitchReader {
// A `stitch` of `fullstitches`.
void readFullStitch(const QXmlStreamAttributes& attributes, OxsFile& file);
// A `backstitch` of `backstitches` or an `object` of the ornaments, told apart by `objecttype`
// (a `backstitch` without one is a back stitch).
void readObject(const QXmlStreamAttributes& attributes, bool inBackStitches, OxsFile& file);
} // namespace OxsStitchReader
