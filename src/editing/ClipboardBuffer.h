#pragma once
#include "imaging/TBitmap32.h"
#include "model/TRhode.h"
#include "model/UTypes.h"
#include <QList>

// The application's own clipboard: the content of a rectangle of cells, kept apart from any
// design so that it can be placed again as floating content and merged (SelectionSession).
//
// - `bitmap` holds one pixel per cell (width x height), `qbitmap` one per quarter (2w x 2h),
//   in the layers' encoding: a cell equal to `background` is empty, any other holds
//   stitchPixel(colour).
// - The lists hold back stitches, rhodes and knots with half-cell coordinates relative to the
//   buffer's corner: point (0, 0) is the top-left corner of its first cell, (2w, 2h) the
//   bottom-right corner of its last. The rhodes belong to the buffer alone; never hand one of
//   them to a design (merging adds clones).
//
// Filling it from elsewhere (the design library, text): call reset(w, h, background) with the
// design's stitch.BackGroundColor, write pixels and list items, then SelectionSession::Paste().
// Content is meant for the design that is open: the main window empties the buffer whenever
// another design replaces it.
class ClipboardBuffer
{
public:
    TBitmap32 bitmap;
    TBitmap32 qbitmap;
    QList<TBackStitch> BackStitches;
    QList<TRhodeRef> Rhodes;
    QList<TFrenchKnot> FrenchKnots;
    TColor32 background = 0xFFFFFFFFu;

    // Paste is possible exactly while the buffer holds a raster.
    bool hasRaster() const { return !bitmap.empty(); }
    int width() const { return bitmap.width(); }
    int height() const { return bitmap.height(); }

    // Empty rasters of width x height cells (at least 1 x 1) and empty lists.
    void reset(int width, int height, TColor32 background);
    // No raster, no lists: nothing to paste.
    void clear();

    bool isEmptyCell(int x, int y) const { return bitmap.pixel(x, y) == background; }
    bool isEmptyQuarter(int qx, int qy) const { return qbitmap.pixel(qx, qy) == background; }
};
