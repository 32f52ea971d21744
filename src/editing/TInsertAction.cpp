#include "editing/TInsertAction.h"
#include "editing/LayerBlocks.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"
#include "model/DesignListener.h"
#include "model/DesignLimits.h"
#include <algorithm>
#include <limits>

TInsertAction::TInsertAction(Design& design, int position, TInsertType insertType, int count)
    : TUndoAction(design)
    , fPosition(std::clamp(position, 0, insertType == itColumn ? design.width() : design.height()))
    , fInsertType(insertType)
    , fCount(count)
{
    insert();
}

bool TInsertAction::canInsert(const Design& design, TInsertType insertType, int count)
{
    const qint64 w = design.width() + (insertType == itColumn ? qint64(count) : 0);
    const qint64 h = design.height() + (insertType == itRow ? qint64(count) : 0);
    return count >= 1 && DesignLimits::sizeAllowed(w, h);
}

// Moves every end point beyond the insertion line by `shift` half cells along the axis.
void TInsertAction::moveBackStitches(int shift)
{
    StitchOperations ops(fdesign);
    const int line = 2 * fPosition;
    const auto coord = [this](QPoint& p) -> int& { return along(p); };
    for (int i = 0; i < fdesign.BackStitchList.size(); ++i) {
        TBackStitch s = fdesign.BackStitchList[i];
        const bool fromMoves = coord(s.FromPoint) > line;
        const bool toMoves = coord(s.ToPoint) > line;
        if (!fromMoves && !toMoves)
            continue;
        if (fromMoves)
            coord(s.FromPoint) += shift;
        if (toMoves)
            coord(s.ToPoint) += shift;
        if (fromMoves && toMoves) {
            fdesign.BackStitchList[i] = s;
        } else {
            ops.backStitchesDelete(i, false);
            ops.backStitchesInsert(i, s, false);
        }
    }
    fdesign.listener().backStitchesChanged();
}

// Knots and whole rhodes beyond the insertion line move by `shift` half cells. Undo finds exactly
// the moved ones with the same test, since nothing that stayed lies beyond the line.
void TInsertAction::moveKnotsAndRhodes(int shift)
{
    const int line = 2 * fPosition;
    for (TFrenchKnot& knot : fdesign.FrenchKnotList) {
        if (along(knot.Center) > line)
            along(knot.Center) += shift;
    }
    for (const TRhodeRef& rhode : fdesign.RhodeList) {
        if (rhode->stitches.isEmpty())
            continue;
        int low = std::numeric_limits<int>::max();
        int high = std::numeric_limits<int>::min();
        for (TBackStitch& s : rhode->stitches) {
            for (QPoint* p : {&s.FromPoint, &s.ToPoint}) {
                low = std::min(low, along(*p));
                high = std::max(high, along(*p));
            }
        }
        if (low + high <= 2 * line)
            continue;
        for (TBackStitch& s : rhode->stitches) {
            along(s.FromPoint) += shift;
            along(s.ToPoint) += shift;
        }
    }
    fdesign.listener().frenchKnotsChanged();
    fdesign.listener().rhodesChanged();
}

void TInsertAction::insert()
{
    const TColor32 bg = fdesign.stitch.BackGroundColor;
    if (fInsertType == itColumn) {
        fdesign.CrossLayer = LayerBlocks::withColumnsInserted(fdesign.CrossLayer, fPosition, fCount, bg);
        fdesign.QuarterLayer = LayerBlocks::withColumnsInserted(fdesign.QuarterLayer, 2 * fPosition, 2 * fCount, bg);
    } else {
        fdesign.CrossLayer = LayerBlocks::withRowsInserted(fdesign.CrossLayer, fPosition, fCount, bg);
        fdesign.QuarterLayer = LayerBlocks::withRowsInserted(fdesign.QuarterLayer, 2 * fPosition, 2 * fCount, bg);
    }
    moveBackStitches(2 * fCount);
    moveKnotsAndRhodes(2 * fCount);
    fdesign.listener().designChanged();
}

void TInsertAction::remove()
{
    const TColor32 bg = fdesign.stitch.BackGroundColor;
    if (fInsertType == itColumn) {
        fdesign.CrossLayer = LayerBlocks::withColumnsRemoved(fdesign.CrossLayer, fPosition, fCount, bg);
        fdesign.QuarterLayer = LayerBlocks::withColumnsRemoved(fdesign.QuarterLayer, 2 * fPosition, 2 * fCount, bg);
    } else {
        fdesign.CrossLayer = LayerBlocks::withRowsRemoved(fdesign.CrossLayer, fPosition, fCount, bg);
        fdesign.QuarterLayer = LayerBlocks::withRowsRemoved(fdesign.QuarterLayer, 2 * fPosition, 2 * fCount, bg);
    }
    moveBackStitches(-2 * fCount);
    moveKnotsAndRhodes(-2 * fCount);
    fdesign.listener().designChanged();
}

void TInsertAction::onExecute()
{
    insert();
}

void TInsertAction::onUndo()
{
    remove();
}
