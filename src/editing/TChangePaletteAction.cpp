#include "editing/TChangePaletteAction.h"
#include "editing/EditingRecount.h"
#include "editing/StitchScan.h"
#include "model/ColorDistance.h"
#include "model/Design.h"
#include "model/DesignListener.h"
#include <QHash>

TChangePaletteAction::TChangePaletteAction(Design& design, const QString& newPalette)
    : TUndoAction(design)
    , fOldPalette(design.stitch.colorsname())
    , fNewPalette(newPalette)
    , fOldColors(design.stitch.Colors)
    , fNewColors(*design.stitch.palette(newPalette))
    , fOldUsedColors(design.stitch.usedColors())
{
    mapStitches();
    takeTable(fNewColors, fNewPalette, true);
}

bool TChangePaletteAction::canChange(const Design& design, const QString& newPalette)
{
    const TColorTable* table = design.stitch.palette(newPalette);
    return table && !table->isEmpty();
}

// Decides the new colour of every stitch colour, writes it and records where. Colours in use
// come first, in table order; a stitch colour the table does not count gets its entry when met.
void TChangePaletteAction::mapStitches()
{
    Design& d = fdesign;
    QHash<TColorRef, int> byColor;
    const auto infoFor = [&](TColorRef color) -> TChangePaletteInfo& {
        const auto it = byColor.constFind(color);
        if (it != byColor.constEnd())
            return fArr[*it];
        TChangePaletteInfo info;
        info.oldColor = color;
        info.newColor = NearestColor(color, fNewColors);
        info.ID = int(fArr.size());
        byColor.insert(color, info.ID);
        fArr.append(info);
        return fArr.last();
    };
    for (const auto& [color, counts] : d.stitch.Colors) {
        if (counts.colorCount < 1)
            continue;
        // The counts bound the cells from above: the lists fill without growing and are
        // squeezed once filled.
        TChangePaletteInfo& info = infoFor(color);
        if (info.newColor != info.oldColor) {
            info.points.reserve(counts.colorCount);
            info.Qpoints.reserve(std::max(0, counts.quarterStitchesCount));
        }
    }
    const TColor32 bg = d.stitch.BackGroundColor;
    const auto mapLayer = [&](const TBitmap32& layer, QList<QPoint> TChangePaletteInfo::*list) {
        const auto idOf = [&](TColorRef color) { return infoFor(color).ID; };
        scanStitchesByColour(layer, bg, idOf, [&](const QPoint& p, int id) {
            TChangePaletteInfo& info = fArr[id];
            if (info.newColor != info.oldColor)
                (info.*list).append(p);
        });
    };
    mapLayer(d.CrossLayer, &TChangePaletteInfo::points);
    mapLayer(d.QuarterLayer, &TChangePaletteInfo::Qpoints);
    for (int i = 0; i < d.BackStitchList.size(); ++i) {
        TChangePaletteInfo& info = infoFor(d.BackStitchList[i].Color);
        if (info.newColor != info.oldColor)
            info.backstitches.append(i);
    }
    for (int i = 0; i < d.FrenchKnotList.size(); ++i) {
        TChangePaletteInfo& info = infoFor(d.FrenchKnotList[i].Color);
        if (info.newColor != info.oldColor)
            info.knots.append(i);
    }
    for (int i = 0; i < d.RhodeList.size(); ++i) {
        TChangePaletteInfo& info = infoFor(d.RhodeList[i]->color);
        if (info.newColor != info.oldColor)
            info.rhodes.append(i);
    }
    for (TChangePaletteInfo& info : fArr) {
        info.points.squeeze();
        info.Qpoints.squeeze();
        info.backstitches.squeeze();
        info.knots.squeeze();
        info.rhodes.squeeze();
    }
    writeColors(true);
}

// Stitches are written directly: the colour table is replaced and recounted afterwards.
void TChangePaletteAction::writeColors(bool toNew)
{
    Design& d = fdesign;
    for (const TChangePaletteInfo& info : fArr) {
        const TColorRef color = toNew ? info.newColor : info.oldColor;
        d.CrossLayer.setPixels(info.points, stitchPixel(color));
        d.QuarterLayer.setPixels(info.Qpoints, stitchPixel(color));
        for (int i : info.backstitches)
            d.BackStitchList[i].Color = color;
        for (int i : info.knots)
            d.FrenchKnotList[i].Color = color;
        for (int i : info.rhodes)
            d.RhodeList[i]->color = color;
    }
}

// With `recount` the counts come from the stitches; without, the table brings its own counts and
// only the usage marks, the used-colour count and the symbols follow it.
void TChangePaletteAction::takeTable(const TColorTable& table, const QString& name, bool recount)
{
    TStitch& doc = fdesign.stitch;
    doc.Colors = table;
    doc.setColorsname(name);
    if (recount) {
        EditingRecount::recount(fdesign);
    } else {
        doc.setUsedColors(fOldUsedColors);
        if (doc.chars) {
            doc.chars->clearCharsused();
            for (const auto& [color, info] : doc.Colors) {
                if (info.colorCount >= 1)
                    doc.chars->setUsed(info.charID, true);
            }
        }
    }
    if (doc.drawcolor() != doc.BackGroundColor)
        doc.setDrawcolor(NearestColor(doc.drawcolor(), doc.Colors));
    if (doc.chars)
        doc.chars->Rebuild(doc.Colors);
    fdesign.listener().colorListChanged();
    fdesign.listener().designChanged();
}

void TChangePaletteAction::onUndo()
{
    writeColors(false);
    takeTable(fOldColors, fOldPalette, false);
}

void TChangePaletteAction::onExecute()
{
    writeColors(true);
    takeTable(fNewColors, fNewPalette, true);
}

long long TChangePaletteAction::heldBytes() const
{
    long long bytes = fArr.capacity() * qsizetype(sizeof(TChangePaletteInfo));
    for (const TChangePaletteInfo& info : fArr)
        bytes += info.heldBytes();
    const qsizetype perEntry = sizeof(std::pair<TColorRef, TColorInfo>) + sizeof(TColorRef) + sizeof(int);
    return bytes + (fOldColors.size() + fNewColors.size()) * perEntry;
}
