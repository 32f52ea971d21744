#include "editing/TChangeDimensionsAction.h"
#include "editing/LayerBlocks.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"
#include "model/DesignListener.h"
#include "model/DesignLimits.h"
#include <algorithm>

namespace {
// The stitched pixels of a layer outside a width x height block at its top left.
CellValues beyond(const TBitmap32& layer, int width, int height, TColor32 bg)
{
    std::vector<CellValues::Entry> entries;
    for (int y = 0; y < layer.height(); ++y) {
        const TColor32* row = layer.constScanLine(y);
        for (int x = y < height ? width : 0; x < layer.width(); ++x) {
            if (row[x] != bg)
                entries.push_back({x, y, colorRefFromColor32(row[x])});
        }
    }
    return CellValues(std::move(entries));
}
} // namespace

TChangeDimensionsAction::TChangeDimensionsAction(Design& design, int newWidth, int newHeight)
    : TUndoAction(design)
    , fBackGroundColor(design.stitch.BackGroundColor)
    , fNewWidth(newWidth)
    , fNewHeight(newHeight)
    , fOldWidth(design.width())
    , fOldHeight(design.height())
{
    record();
    cut();
}

bool TChangeDimensionsAction::canChange(const Design& design, int newWidth, int newHeight)
{
    return DesignLimits::sizeAllowed(newWidth, newHeight)
        && (newWidth != design.width() || newHeight != design.height());
}

void TChangeDimensionsAction::record()
{
    fArr = beyond(fdesign.CrossLayer, fNewWidth, fNewHeight, fBackGroundColor);
    fArrQuarter = beyond(fdesign.QuarterLayer, 2 * fNewWidth, 2 * fNewHeight, fBackGroundColor);
    const QRect grid(0, 0, 2 * fNewWidth + 1, 2 * fNewHeight + 1);
    for (int i = int(fdesign.BackStitchList.size()) - 1; i >= 0; --i) {
        const TBackStitch& s = fdesign.BackStitchList[i];
        if (!grid.contains(s.FromPoint) || !grid.contains(s.ToPoint))
            fArrBack.append({i, s});
    }
    for (int i = int(fdesign.FrenchKnotList.size()) - 1; i >= 0; --i) {
        if (!grid.contains(fdesign.FrenchKnotList[i].Center))
            fArrKnots.append({i, fdesign.FrenchKnotList[i]});
    }
    for (int i = int(fdesign.RhodeList.size()) - 1; i >= 0; --i) {
        const TRhodeRef& rhode = fdesign.RhodeList[i];
        const bool outside = std::any_of(rhode->stitches.cbegin(), rhode->stitches.cend(),
            [&grid](const TBackStitch& s) { return !grid.contains(s.FromPoint) || !grid.contains(s.ToPoint); });
        if (outside)
            fArrRhodes.append({i, rhode});
    }
}

void TChangeDimensionsAction::shrinkAndGrow(int width, int height)
{
    fdesign.CrossLayer = LayerBlocks::resized(fdesign.CrossLayer, width, height, fBackGroundColor);
    fdesign.QuarterLayer = LayerBlocks::resized(fdesign.QuarterLayer, 2 * width, 2 * height, fBackGroundColor);
}

// The cut cells leave the counts only: the shrunk layers no longer hold them.
void TChangeDimensionsAction::cut()
{
    StitchOperations ops(fdesign);
    ops.backStitchesDeleteAll(fArrBack);
    ops.frenchKnotsDeleteAll(fArrKnots);
    ops.RhodesDeleteAll(fArrRhodes);
    ops.uncountCells(fArr, false);
    ops.uncountCells(fArrQuarter, true);
    shrinkAndGrow(fNewWidth, fNewHeight);
    fdesign.listener().designChanged();
}

void TChangeDimensionsAction::onExecute()
{
    cut();
}

void TChangeDimensionsAction::onUndo()
{
    shrinkAndGrow(fOldWidth, fOldHeight);
    StitchOperations ops(fdesign);
    ops.restoreCells(fArr, false);
    ops.restoreCells(fArrQuarter, true);
    ops.backStitchesInsertAll(fArrBack);
    ops.frenchKnotsInsertAll(fArrKnots);
    ops.RhodesInsertAll(fArrRhodes);
    fdesign.listener().designChanged();
}

long long TChangeDimensionsAction::heldBytes() const
{
    return fArr.heldBytes() + fArrQuarter.heldBytes()
        + fArrBack.capacity() * qsizetype(sizeof(RemovedItem<TBackStitch>))
        + fArrKnots.capacity() * qsizetype(sizeof(RemovedItem<TFrenchKnot>))
        + fArrRhodes.capacity() * qsizetype(sizeof(RemovedItem<TRhodeRef>) + sizeof(TRhode));
}
