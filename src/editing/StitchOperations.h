#pragma once
#include "editing/RemovedItem.h"
#include "imaging/ColorValues.h"
#include "model/TRhode.h"
#include "model/UTypes.h"
#include <QList>

class CellValues;
class Design;
struct TColorInfo;

// The stitch primitives: every change to the stitches of a design goes through them. Each one
// writes one cell or one list item, keeps the colour table's counters, the used-colour count and
// the symbol usage marks in step, runs the in-use and out-of-use transitions of a colour, and
// then tells the listener what changed:
//
//   transitions (colorBecameUnused / colorBecameUsed, as they happen)
//   -> cellChanged / quarterChanged / backStitchesChanged / rhodesChanged / frenchKnotsChanged
//   -> colorCountsChanged, only when `refresh` is true or a batch is open.
//
// Inside a batch (ChangeBatch) the listener collects the cells and the count change and hears
// of them once when the batch ends, whatever `refresh` says.
//
// `refresh` false is for bulk work that repaints once when it ends. cellChanged and
// quarterChanged carry the flag on: the view repaints a cell's symbol in any case and the cell
// itself only when refresh is true.
//
// Colours passed in are thread colour values that are keys of the colour table, or, for the two
// cell primitives, the design's background value (stitch.BackGroundColor), which empties the
// cell. A colour missing from the table gets a nameless entry without symbol rather than
// corrupting another colour's counters.
//
// Weights: a full stitch 1; quarters 1 for every odd one of a colour (two quarters count as one
// stitch); back stitches and rhode stitches their length; a french knot 5. A colour enters use
// when its colorCount rises from below 1 to 1 or more, and leaves use when it falls from 1 or
// more to below 1; without the knot weight drift of a recount this is exactly "rises from 0" and
// "falls to 0", and it keeps "in use" equal to "colorCount >= 1" even when the counts drifted.
//
// The cell primitives do constant work and allocate nothing, apart from the transitions (which
// render or drop a colour's symbols). Positions outside the layer are ignored; list indexes must
// be valid positions of the list.
class StitchOperations
{
public:
    explicit StitchOperations(Design& design) : m_design(design) {}

    void updatePixel(int X, int Y, bool refresh, TColorRef color);
    void updateQPixel(int X, int Y, bool refresh, TColorRef color);

    void backStitchesAdd(const TBackStitch& stitch, bool refresh);
    void backStitchesInsert(int index, const TBackStitch& stitch, bool refresh);
    TBackStitch backStitchesDelete(int index, bool refresh);
    // Moves the stitch's length from its colour's counters to those of `color`.
    void backStitchesSetColor(int index, TColorRef color, bool refresh);

    // The list shares the rhode; RhodeDelete hands it back without destroying it.
    void RhodeAdd(TRhodeRef rhode, bool refresh);
    void RhodeInsert(int index, TRhodeRef rhode, bool refresh);
    TRhodeRef RhodeDelete(int index, bool refresh);
    void RhodeSetColor(int index, TColorRef color, bool refresh);

    void frenchKnotAdd(const TFrenchKnot& knot, bool refresh);
    void frenchKnotInsert(int index, const TFrenchKnot& knot, bool refresh);
    TFrenchKnot frenchKnotDelete(int index, bool refresh);
    void frenchKnotSetColor(int index, TColorRef color, bool refresh);

    // Bulk forms for a record that takes many cells and items away at once and puts them back
    // (a size change, a colour reduction). The counters, transitions and symbol marks move exactly
    // as the one-by-one forms would move them; the lists are rebuilt in one pass; the listener
    // hears of each list once and of no single cell.
    //
    // The cells leave the counts only: their layer is about to be cut to a size without them.
    void uncountCells(const CellValues& cells, bool quarters);
    // Writes the cells back into a layer whose cells there are empty.
    void restoreCells(const CellValues& cells, bool quarters);
    // Cells (or quarters) of colour `from` given colour `to`, which may be the background; the
    // listener hears of the cells' box.
    void recolorCells(const QList<QPoint>& cells, TColorRef from, TColorRef to, bool quarters);
    // `removed` is ordered from the last position to the first, each a position of the list as
    // it is (deleting) or as it will be (inserting).
    void backStitchesDeleteAll(const QList<RemovedItem<TBackStitch>>& removed);
    void backStitchesInsertAll(const QList<RemovedItem<TBackStitch>>& removed);
    void frenchKnotsDeleteAll(const QList<RemovedItem<TFrenchKnot>>& removed);
    void frenchKnotsInsertAll(const QList<RemovedItem<TFrenchKnot>>& removed);
    void RhodesDeleteAll(const QList<RemovedItem<TRhodeRef>>& removed);
    void RhodesInsertAll(const QList<RemovedItem<TRhodeRef>>& removed);

    // A cell's value in the primitives' terms: its thread colour, or the background value when
    // it is empty. The position must lie in the layer.
    TColorRef cellValue(int x, int y) const;
    TColorRef quarterValue(int qx, int qy) const;
    TColor32 background() const;
    bool hasCell(int x, int y) const;
    bool hasQuarter(int qx, int qy) const;

    static constexpr int kFrenchKnotWeight = 5;

private:
    TColorInfo& entry(TColorRef color);
    void changeCount(TColorRef color, int delta, bool resort);
    // `delta` quarters of a colour: its count moves by one for every quarter that makes the
    // number odd (adding) or even (taking away).
    void changeQuarters(TColorRef color, int delta);
    // `delta` full stitches or quarters of a colour.
    void changeCells(TColorRef color, int delta, bool quarters);
    void addBackStitchUnits(TColorRef color, const TBackStitch& stitch, int sign);
    void addRhodeUnits(const TRhode& rhode, int sign);
    void finish(bool refresh) const;

    Design& m_design;
};
