#include "conversion/ConvertedDesign.h"
#include "conversion/ConversionGeometry.h"
#include "conversion/DesignCreation.h"
#include "model/ColorUsage.h"
#include "model/Design.h"
#include "model/DesignListener.h"

namespace {
constexpr TColor32 kNewBackground = 0xFFFFFFFFu;

TColorInfo withoutCounts(TColorInfo info)
{
    info.colorCount = 0;
    info.quarterStitchesCount = 0;
    info.backStitchesCount = 0;
    return info;
}

TColorTable colorTable(const TColorTable& ReducedPaletteDic, const TColorTable* palette)
{
    TColorTable colors;
    for (const auto& [color, info] : ReducedPaletteDic) {
        TColorInfo entry = withoutCounts(info);
        entry.matchColor = color; // in a design's table the colour itself, not a conversion target
        colors.insert(color, entry);
    }
    if (!palette)
        return colors;
    for (const auto& [color, info] : *palette) {
        if (TColorInfo* present = colors.find(color)) {
            present->colorName = info.colorName;
            present->colorID = info.colorID;
        } else {
            colors.insert(color, withoutCounts(info));
        }
    }
    return colors;
}

// Stitch pixels have alpha 0; anything else in the result holds no stitch.
TBitmap32 crossLayerOf(const TBitmap32& ImageFinal)
{
    TBitmap32 layer = ImageFinal;
    for (int y = 0; y < layer.height(); ++y) {
        TColor32* line = layer.scanLine(y);
        for (int x = 0; x < layer.width(); ++x) {
            if ((line[x] & 0xFF000000u) != 0)
                line[x] = kNewBackground;
        }
    }
    return layer;
}
} // namespace

Status ConvertedDesign::build(Design& design, const TBitmap32& ImageFinal, const TColorTable& ReducedPaletteDic,
    const QString& paletteName, const QString& symbolSetName)
{
    const Status size = ConversionGeometry::checkDesignSize(QSize(ImageFinal.width(), ImageFinal.height()));
    if (!size)
        return size;
    TStitch& doc = design.stitch;
    doc.Title = doc.DefaultTitle;
    doc.comment.clear();
    design.BackStitchList.clear();
    design.FrenchKnotList.clear();
    design.RhodeList.clear();
    doc.fileMode = fmConvert;
    doc.setFileSaved(false);

    doc.Colors = colorTable(ReducedPaletteDic, doc.palette(paletteName));
    doc.setColorsname(paletteName);
    if (!ReducedPaletteDic.isEmpty())
        doc.setDrawcolor(ReducedPaletteDic.begin()->first);

    doc.BackGroundColor = kNewBackground;
    design.allocateLayers(ImageFinal.width(), ImageFinal.height());
    design.CrossLayer = crossLayerOf(ImageFinal);
    DesignCreation::assignSymbolSet(design, symbolSetName);
    ColorUsage::CalcColorUsage(design);
    design.listener().designChanged();
    return Status::ok();
}
