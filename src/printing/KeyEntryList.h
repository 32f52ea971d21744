#pragma once
#include "model/UTypes.h"
#include "printing/TMyColor.h"
#include "view/ColorList.h"
#include <QList>

class Design;

// The key entries of a design and their printed order.
namespace KeyEntryList {
// Colours in ascending orderID: one ctCross entry per colour with at least one full-stitch unit
// (colorCount less backStitchesCount: quarters and french knots are in it), then one ctBack
// entry per colour of a back stitch or a placed rhode, counting its summed stitch length.
// Reads the colour table's counts as they are: run the recount first.
QList<TMyColor> build(const Design& design);

// Stable sort in the colour list's order, comparing the colour-table records of the entries'
// colours. Name and number orders put values that are whole 32-bit decimal numbers first, in
// numeric order, then the others by UTF-16 code units; ties go by orderID. The order is strict,
// so a colour's ctCross entry stays before its ctBack entry.
void sort(QList<TMyColor>& entries, const TColorTable& colors, ColorList::SortOrder order);
} // namespace KeyEntryList
