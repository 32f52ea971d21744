#pragma once
#include "printing/TStitchListItem.h"
#include <QList>

class Design;

// The stitch steps list: every design row, top to bottom, cut left to right into runs of equal
// full-stitch cells. A run ends where the stored cell changes, so an empty cell never joins a
// stitch of the background's colour. Quarter, back and other stitches take no part.
namespace StitchStepList {
QList<TStitchListItem> build(const Design& design);
} // namespace StitchStepList
