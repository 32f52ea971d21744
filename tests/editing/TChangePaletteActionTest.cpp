#include "DesignSnapshot.h"
#include "editing/StitchOperations.h"
#include "model/ColorDistance.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kBlue = 0xFF0000;
constexpr TColorRef kLone = 0x123456; // in the design's table, not in its palette
constexpr TColorRef kDarkRed = 0x000080;
constexpr TColorRef kNavy = 0x800000;
constexpr TColorRef kGreen = 0x00FF00;
const QString kOld = QStringLiteral("Old v1");
const QString kNew = QStringLiteral("New v1");

// A design on palette Old whose table was changed since: another symbol for blue and a colour
// the palette does not have. Every kind of stitch is present.
std::unique_ptr<Design> designOnOldPalette()
{
    auto d = TestDesigns::empty(3, 2, {kRed, kBlue});
    d->stitch.ColorPalettes.insert(kOld, TestDesigns::palette({kRed, kBlue}));
    d->stitch.ColorPalettes.insert(kNew, TestDesigns::palette({kDarkRed, kNavy, kGreen}));
    d->stitch.ColorPalettes.insert(QStringLiteral("Empty"), TColorTable());
    d->stitch.setColorsname(kOld);
    d->stitch.Colors.at(kBlue).charID = 17;
    TColorInfo lone;
    lone.colorName = QStringLiteral("Lone");
    lone.charID = 3;
    lone.orderID = 2;
    d->stitch.Colors.insert(kLone, lone);
    StitchOperations ops(*d);
    ops.updatePixel(0, 0, false, kRed);
    ops.updatePixel(1, 0, false, kLone);
    ops.updateQPixel(5, 3, false, kBlue);
    ops.backStitchesAdd({QPoint(0, 0), QPoint(2, 2), kBlue, 0}, false);
    ops.frenchKnotAdd({QPoint(3, 3), kRed, 0}, false);
    auto rhode = std::make_shared<TRhode>();
    rhode->color = kBlue;
    rhode->stitches = {{QPoint(0, 0), QPoint(0, 2), 0, 0}};
    ops.RhodeAdd(rhode, false);
    d->stitch.setDrawcolor(kRed);
    return d;
}
} // namespace

TEST(TChangePaletteAction, EveryStitchMovesToTheNewPaletteKnotsAndRhodesIncluded)
{
    auto d = designOnOldPalette();
    const TColorTable& next = *d->stitch.palette(kNew);
    d->stitch.changePalette(kNew);

    EXPECT_EQ(d->History.count(), 1);
    EXPECT_EQ(d->stitch.colorsname(), kNew);
    EXPECT_EQ(d->stitch.Colors.keys(), next.keys());
    EXPECT_EQ(d->CrossLayer.canvasPixel(0, 0), NearestColor(kRed, next));
    EXPECT_EQ(d->CrossLayer.canvasPixel(1, 0), NearestColor(kLone, next));
    EXPECT_EQ(d->FrenchKnotList[0].Color, NearestColor(kRed, next));
    EXPECT_EQ(d->RhodeList[0]->color, NearestColor(kBlue, next));
    EXPECT_EQ(d->BackStitchList[0].Color, NearestColor(kBlue, next));
    EXPECT_EQ(d->stitch.drawcolor(), NearestColor(kRed, next));
    // The counts of the edited design keep the editing weight of a knot.
    EXPECT_EQ(countsAgainstRecount(*d), "");
}

TEST(TChangePaletteAction, UndoRestoresTheColourTableExactlyAndRedoTheNewOne)
{
    auto d = designOnOldPalette();
    const DesignSnapshot before = DesignSnapshot::of(*d);
    d->stitch.changePalette(kNew);
    const DesignSnapshot after = DesignSnapshot::of(*d);

    d->History.Undo();
    EXPECT_EQ(before.firstDifference(DesignSnapshot::of(*d)), "");
    EXPECT_EQ(countsAgainstRecount(*d), "");
    EXPECT_EQ(d->FrenchKnotList[0].Color, kRed);
    EXPECT_EQ(d->RhodeList[0]->color, kBlue);
    // The catalogue may change under the record; redo uses the palette as it was.
    d->stitch.ColorPalettes.insert(kNew, TestDesigns::palette({kGreen}));
    d->History.Redo();
    EXPECT_EQ(after.firstDifference(DesignSnapshot::of(*d)), "");
}

TEST(TChangePaletteAction, PaletteThatIsMissingOrEmptyChangesNothing)
{
    for (const QString& key : {QStringLiteral("Nowhere"), QStringLiteral("Empty")}) {
        SCOPED_TRACE(key.toStdString());
        auto d = designOnOldPalette();
        d->stitch.setFileSaved(true);
        const DesignSnapshot before = DesignSnapshot::of(*d);
        d->stitch.changePalette(key);
        EXPECT_EQ(d->History.count(), 0);
        EXPECT_TRUE(d->stitch.fileSaved());
        EXPECT_EQ(before.firstDifference(DesignSnapshot::of(*d)), "");
    }
}
