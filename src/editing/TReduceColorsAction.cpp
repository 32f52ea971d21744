#include "editing/TReduceColorsAction.h"
#include "editing/StitchOperations.h"
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

// One pass over the stitches: each stitch of a replaced colour is rewritten and recorded under
// its colour's info.
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
    }
    const auto infoOf = [&](TColorRef color) -> TReduceColorsInfo* {
        const auto it = byColor.constFind(color);
        return it == byColor.constEnd() ? nullptr : &fArr[*it];
    };
    StitchOperations ops(d);
    const TColor32 bg = d.stitch.BackGroundColor;
    for (int y = 0; y < d.CrossLayer.height(); ++y) {
        for (int x = 0; x < d.CrossLayer.width(); ++x) {
            TReduceColorsInfo* info = d.CrossLayer.pixel(x, y) == bg ? nullptr : infoOf(d.CrossLayer.canvasPixel(x, y));
            if (info) {
                ops.updatePixel(x, y, false, info->newColor);
                info->points.append(QPoint(x, y));
            }
        }
    }
    for (int y = 0; y < d.QuarterLayer.height(); ++y) {
        for (int x = 0; x < d.QuarterLayer.width(); ++x) {
            TReduceColorsInfo* info = d.QuarterLayer.pixel(x, y) == bg ? nullptr : infoOf(d.QuarterLayer.canvasPixel(x, y));
            if (info) {
                ops.updateQPixel(x, y, false, info->newColor);
                info->qpoints.append(QPoint(x, y));
            }
        }
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
    for (TReduceColorsInfo& info : fArr) {
        info.points.squeeze();
        info.qpoints.squeeze();
    }
}

void TReduceColorsAction::apply(bool toNew)
{
    StitchOperations ops(fdesign);
    for (const TReduceColorsInfo& info : fArr) {
        const TColorRef color = toNew ? info.newColor : info.oldColor;
        for (const QPoint& p : info.points)
            ops.updatePixel(p.x(), p.y(), false, color);
        for (const QPoint& p : info.qpoints)
            ops.updateQPixel(p.x(), p.y(), false, color);
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
