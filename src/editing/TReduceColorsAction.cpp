#include "editing/TReduceColorsAction.h"
#include "editing/StitchOperations.h"
#include "editing/StitchScan.h"
#include "model/ColorDistance.h"
#include "model/Design.h"
#include <QHash>
#include <algorithm>

namespace {
struct UsedColor
{
    TColorRef color;
    int count;
    int orderID;
};

QList<UsedColor> usedByCount(const Design& design)
{
    QList<UsedColor> used;
    for (const auto& [color, info] : design.stitch.Colors) {
        if (info.colorCount > 0)
            used.append({color, info.colorCount, info.orderID});
    }
    std::stable_sort(used.begin(), used.end(), [](const UsedColor& a, const UsedColor& b) {
        return a.count != b.count ? a.count < b.count : a.orderID < b.orderID;
    });
    return used;
}

int keptCount(int newCount)
{
    return std::max(1, newCount);
}
} // namespace

TReduceColorsAction::TReduceColorsAction(Design& design, int newCount)
    : TUndoAction(design)
{
    reduce(newCount);
}

QList<TColorRef> TReduceColorsAction::replacedColors(const Design& design, int newCount)
{
    const QList<UsedColor> used = usedByCount(design);
    QList<TColorRef> replaced;
    for (qsizetype i = 0; i < used.size() - keptCount(newCount); ++i)
        replaced.append(used[i].color);
    return replaced;
}

// One pass over the stitches records each stitch of a replaced colour under its colour's info;
// each colour's cells are then rewritten together, their counts moved once.
void TReduceColorsAction::reduce(int newCount)
{
    Design& d = fdesign;
    const QList<TColorRef> replaced = replacedColors(d, newCount);
    TColorTable kept;
    for (const auto& [color, info] : d.stitch.Colors) {
        if (info.colorCount > 0 && !replaced.contains(color))
            kept.insert(color, info);
    }
    QHash<TColorRef, int> byColor;
    for (TColorRef color : replaced) {
        byColor.insert(color, int(fArr.size()));
        fArr.append({color, NearestColor(color, kept), {}, {}, {}, {}, {}});
        // The counts bound the cells from above: the lists are filled without growing, and
        // squeezed once filled.
        const TColorInfo& counts = d.stitch.Colors.at(color);
        fArr.last().points.reserve(std::max(0, counts.colorCount));
        fArr.last().qpoints.reserve(std::max(0, counts.quarterStitchesCount));
    }
    const auto infoOf = [&](TColorRef color) -> TReduceColorsInfo* {
        const auto it = byColor.constFind(color);
        return it == byColor.constEnd() ? nullptr : &fArr[*it];
    };
    const TColor32 bg = d.stitch.BackGroundColor;
    const auto collect = [&](const TBitmap32& layer, QList<QPoint> TReduceColorsInfo::*list) {
        scanStitchesByColour(layer, bg, infoOf, [list](const QPoint& p, TReduceColorsInfo* info) {
            if (info)
                (info->*list).append(p);
        });
    };
    collect(d.CrossLayer, &TReduceColorsInfo::points);
    collect(d.QuarterLayer, &TReduceColorsInfo::qpoints);
    StitchOperations ops(d);
    for (TReduceColorsInfo& info : fArr) {
        info.points.squeeze();
        info.qpoints.squeeze();
        ops.recolorCells(info.points, info.oldColor, info.newColor, false);
        ops.recolorCells(info.qpoints, info.oldColor, info.newColor, true);
    }
    for (int i = 0; i < d.BackStitchList.size(); ++i) {
        if (TReduceColorsInfo* info = infoOf(d.BackStitchList[i].Color)) {
            ops.backStitchesSetColor(i, info->newColor, false);
            info->backstitches.append(i);
        }
    }
    for (int i = 0; i < d.FrenchKnotList.size(); ++i) {
        if (TReduceColorsInfo* info = infoOf(d.FrenchKnotList[i].Color)) {
            ops.frenchKnotSetColor(i, info->newColor, false);
            info->knots.append(i);
        }
    }
    for (int i = 0; i < d.RhodeList.size(); ++i) {
        if (TReduceColorsInfo* info = infoOf(d.RhodeList[i]->color)) {
            ops.RhodeSetColor(i, info->newColor, false);
            info->rhodes.append(i);
        }
    }
}

void TReduceColorsAction::apply(bool toNew)
{
    StitchOperations ops(fdesign);
    for (const TReduceColorsInfo& info : fArr) {
        const TColorRef color = toNew ? info.newColor : info.oldColor;
        const TColorRef previous = toNew ? info.oldColor : info.newColor;
        ops.recolorCells(info.points, previous, color, false);
        ops.recolorCells(info.qpoints, previous, color, true);
        for (int i : info.backstitches)
            ops.backStitchesSetColor(i, color, false);
        for (int i : info.knots)
            ops.frenchKnotSetColor(i, color, false);
        for (int i : info.rhodes)
            ops.RhodeSetColor(i, color, false);
    }
}

void TReduceColorsAction::onUndo()
{
    apply(false);
}

void TReduceColorsAction::onExecute()
{
    apply(true);
}

long long TReduceColorsAction::heldBytes() const
{
    long long bytes = fArr.capacity() * qsizetype(sizeof(TReduceColorsInfo));
    for (const TReduceColorsInfo& info : fArr)
        bytes += info.heldBytes();
    return bytes;
}
