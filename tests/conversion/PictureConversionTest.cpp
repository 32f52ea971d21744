#include "conversion/ConversionPictures.h"
#include "conversion/PictureConversion.h"
#include "conversion/JobProgress.h"
#include "conversion/PictureLoader.h"
#include "conversion/WizardPipeline.h"
#include "files/DesignFiles.h"
#include "files/QmkWriter.h"
#include "model/Design.h"
#include "support/TestDesigns.h"
#include <QHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ConversionPictures;

namespace {
const QString kPalette = QStringLiteral("Cube v1");
const QString kSymbols = QStringLiteral("Letters");

// 27 colours: every mix of 0, 128 and 255.
TColorTable cube()
{
    QList<TColorRef> colors;
    for (int r : {0, 128, 255}) {
        for (int g : {0, 128, 255}) {
            for (int b : {0, 128, 255})
                colors << makeColorRef(r, g, b);
        }
    }
    return TestDesigns::palette(colors);
}

std::unique_ptr<Design> freshDesign()
{
    auto design = std::make_unique<Design>();
    TStitch& doc = design->stitch;
    doc.ColorPalettes.insert(QStringLiteral("Other v1"), greyPalette({0, 255}));
    doc.ColorPalettes.insert(kPalette, cube());
    doc.defaultPalette = kPalette;
    TCharacterInfo set;
    set.Name = kSymbols;
    set.fontName = QStringLiteral("DejaVu Sans");
    set.characters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    doc.characters.insert(kSymbols, set);
    doc.defaultCharacters = kSymbols;
    return design;
}

// A smooth picture with many colours, 120 x 80 pixels.
TBitmap32 photo()
{
    std::vector<std::vector<TColorRef>> rows;
    for (int y = 0; y < 80; ++y) {
        rows.emplace_back();
        for (int x = 0; x < 120; ++x)
            rows.back().push_back(makeColorRef(2 * x, 3 * y, (x * y) % 256));
    }
    return picture(rows);
}

QHash<TColorRef, int> cellCounts(const TBitmap32& layer)
{
    QHash<TColorRef, int> counts;
    for (const auto& row : colorsOf(layer)) {
        for (TColorRef c : row)
            ++counts[c];
    }
    return counts;
}
} // namespace

TEST(PictureConversionTest, RunResizesMatchesAndReducesOntoThePalette)
{
    auto design = freshDesign();
    PictureConversion conversion(design->stitch);
    ConversionChoices choices;
    choices.maxSize = 30;
    choices.maxColors = 6;
    ASSERT_TRUE(conversion.run(photo(), choices));
    EXPECT_EQ(conversion.ImageResized.width(), 30);
    EXPECT_EQ(conversion.ImageResized.height(), 20);
    EXPECT_EQ(conversion.paletteName(), kPalette) << "the document's default palette";
    EXPECT_EQ(conversion.symbolSetName(), kSymbols);
    EXPECT_EQ(conversion.matching.MaxColorsChosen, 6);
    EXPECT_EQ(conversion.matching.ReducedPaletteDic.size(), 6);
    const QHash<TColorRef, int> counts = cellCounts(conversion.ImageFinal);
    EXPECT_LE(counts.size(), 6);
    for (auto it = counts.begin(); it != counts.end(); ++it)
        EXPECT_TRUE(conversion.matching.ReducedPaletteDic.contains(it.key()));
}

// The command line runs every step at once; the wizard runs them one by one as its pages are
// shown. Both must give the same picture.
TEST(PictureConversionTest, StepByStepAsTheWizardGivesTheSameResult)
{
    const TBitmap32 source = photo();
    ConversionChoices choices;
    choices.SelectionRect = QRectF(QPointF(10.4, 5.5), QPointF(110, 75));
    choices.brightness = 20;
    choices.contrast = 80;
    choices.maxSize = 40;
    choices.maxColors = 9;
    choices.dithering = DitherMethod::SierraLite;
    choices.ditherLevel = 60;
    auto d1 = freshDesign();
    PictureConversion atOnce(d1->stitch);
    ASSERT_TRUE(atOnce.run(source, choices));

    auto d2 = freshDesign();
    PictureConversion wizard(d2->stitch);
    ASSERT_TRUE(wizard.crop(source, choices.SelectionRect));
    wizard.adjust(0, 100);
    wizard.adjust(choices.brightness, choices.contrast); // the sliders moved
    ASSERT_TRUE(wizard.resize(100));
    ASSERT_TRUE(wizard.resize(choices.maxSize)); // "Set size" again
    wizard.setDithering(choices.dithering, choices.ditherLevel);
    ASSERT_TRUE(wizard.choosePalette(QStringLiteral("Other v1"), kSymbols));
    ASSERT_TRUE(wizard.choosePalette(kPalette, kSymbols));
    ASSERT_TRUE(wizard.setUsedColors(*choices.maxColors));

    EXPECT_EQ(atOnce.preAdjustmentsBitmap.width(), 100) << "rnd(10.4) = 10 to 110";
    EXPECT_EQ(atOnce.preAdjustmentsBitmap.height(), 69) << "rnd(5.5) = 6 to 75";
    EXPECT_TRUE(wizard.ImageFinal == atOnce.ImageFinal);
    EXPECT_EQ(wizard.matching.ReducedPaletteDic, atOnce.matching.ReducedPaletteDic);
}

TEST(PictureConversionTest, ContrastZeroGivesOneGrey)
{
    auto design = freshDesign();
    PictureConversion conversion(design->stitch);
    ConversionChoices choices;
    choices.contrast = 0;
    choices.brightness = 30;
    ASSERT_TRUE(conversion.run(photo(), choices));
    EXPECT_EQ(conversion.ImageAdjustment.pixel(5, 5), 0xFF828282u) << "grey 100 + 30";
    EXPECT_EQ(cellCounts(conversion.ImageFinal).keys(), QList<TColorRef>{makeColorRef(128, 128, 128)});
}

TEST(PictureConversionTest, ChoicesThatGiveNoDesignAreRefusedWithAMessage)
{
    const struct
    {
        const char* name;
        ConversionChoices choices;
        QString message;
    } cases[] = {
        {"crop narrower than half a pixel", {.SelectionRect = QRectF(QPointF(20, 10), QPointF(20.4, 50))},
            QStringLiteral("The chosen part of the picture (0 x 40 pixels at 20, 10) is empty or lies outside the picture.")},
        {"crop without width", {.SelectionRect = QRectF(QPointF(20, 10), QPointF(20, 50))},
            QStringLiteral("The chosen part of the picture (0 x 40 pixels at 20, 10) is empty or lies outside the picture.")},
        {"zero size", {.size = QSize(0, 10)},
            QStringLiteral("A design of 0 x 10 stitches cannot be made: a design must be 1 to 32767 stitches wide and "
                           "high, with at most 16777216 stitches.")},
        {"unknown palette", {.palette = QStringLiteral("Nowhere v2")},
            QStringLiteral("No palette named \"Nowhere v2\" is loaded.")},
        {"unknown symbols", {.symbols = QStringLiteral("Runes")},
            QStringLiteral("No symbol set named \"Runes\" is loaded.")},
    };
    for (const auto& c : cases) {
        auto design = freshDesign();
        PictureConversion conversion(design->stitch);
        const Status s = conversion.run(photo(), c.choices);
        ASSERT_FALSE(s) << c.name;
        EXPECT_EQ(s.text(), c.message) << c.name;
    }
    // A picture one pixel high and a thousand wide gives no row at "Max width/height" 100.
    auto design = freshDesign();
    PictureConversion conversion(design->stitch);
    EXPECT_FALSE(conversion.run(greys({std::vector<int>(1000, 90)}), ConversionChoices{}));
}

// Convert, save, open the file again, and compare its colour counts with a count of the cells.
TEST(PictureConversionTest, RoundTripThroughTheDesignFileKeepsCellsAndCounts)
{
    QTemporaryDir dir;
    const QString pictureFile = dir.filePath(QStringLiteral("photo.png"));
    ASSERT_TRUE(photo().image().save(pictureFile));
    TBitmap32 loaded;
    ASSERT_TRUE(PictureLoader::load(pictureFile, loaded));

    auto design = freshDesign();
    PictureConversion conversion(design->stitch);
    ConversionChoices choices;
    choices.maxSize = 45;
    choices.maxColors = 8;
    choices.dithering = DitherMethod::FloydSteinberg;
    choices.ditherLevel = 100;
    ASSERT_TRUE(conversion.run(loaded, choices));
    ASSERT_TRUE(conversion.buildDesign(*design));
    const QString designFile = dir.filePath(QStringLiteral("photo.qmk"));
    ASSERT_TRUE(SaveQMK(*design, designFile));

    auto reopened = freshDesign();
    const DesignFiles::LoadResult result = DesignFiles::load(designFile, *reopened);
    ASSERT_TRUE(result.status) << result.status.text().toStdString();
    EXPECT_TRUE(result.warnings.isEmpty());
    EXPECT_TRUE(reopened->CrossLayer == conversion.ImageFinal);

    const QHash<TColorRef, int> cells = cellCounts(conversion.ImageFinal);
    int used = 0;
    for (const auto& [color, info] : reopened->stitch.Colors) {
        EXPECT_EQ(info.colorCount, cells.value(color)) << std::hex << color;
        EXPECT_EQ(design->stitch.Colors.at(color).colorCount, info.colorCount);
        used += info.colorCount > 0 ? 1 : 0;
    }
    EXPECT_EQ(reopened->stitch.Colors.size(), 27) << "the whole palette";
    EXPECT_EQ(used, cells.size());
    EXPECT_LE(used, 8);
    EXPECT_EQ(reopened->stitch.colorsname(), kPalette);
}

// A transparent ground is "nothing there": it is laid on white before any step sees it, so a
// red disc on a transparent ground gives red and white stitches, never black ones.
TEST(PictureConversionTest, TransparentGroundConvertsAsWhite)
{
    QImage disc(40, 40, QImage::Format_ARGB32);
    disc.fill(Qt::transparent);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if ((x - 20) * (x - 20) + (y - 20) * (y - 20) < 100)
                disc.setPixel(x, y, qRgb(255, 0, 0));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("disc.png"));
    ASSERT_TRUE(disc.save(file));
    TBitmap32 source;
    ASSERT_TRUE(PictureLoader::load(file, source));
    auto design = freshDesign();
    PictureConversion conversion(design->stitch);
    ConversionChoices choices;
    choices.maxSize = 20;
    ASSERT_TRUE(conversion.run(source, choices));
    int black = 0;
    for (int y = 0; y < conversion.ImageFinal.height(); ++y)
        for (int x = 0; x < conversion.ImageFinal.width(); ++x)
            black += conversion.ImageFinal.canvasPixel(x, y) == makeColorRef(0, 0, 0);
    EXPECT_EQ(black, 0);
    EXPECT_EQ(conversion.ImageFinal.canvasPixel(0, 0), makeColorRef(255, 255, 255));
    EXPECT_EQ(conversion.ImageFinal.canvasPixel(10, 10), makeColorRef(255, 0, 0));
}

TEST(PictureConversionTest, ShadowPictureIsTheAdjustedPictureAtMostAThousandPixelsLong)
{
    auto design = freshDesign();
    PictureConversion conversion(design->stitch);
    TBitmap32 source(2400, 600, 0xFF204060u);
    ConversionChoices choices;
    choices.maxSize = 20;
    choices.brightness = 10;
    ASSERT_TRUE(conversion.run(source, choices));
    const QImage shadow = conversion.shadowPicture();
    EXPECT_EQ(shadow.size(), QSize(1000, 250));
    EXPECT_EQ(shadow.pixel(500, 100), conversion.ImageAdjustment.pixel(0, 0)) << "the adjusted colours";
}

namespace {
// A progress that cancels its pass at the n-th step.
class CancelAt : public JobProgress
{
public:
    explicit CancelAt(int n) : m_left(n) {}
    bool advance() override
    {
        if (--m_left == 0)
            cancel();
        return JobProgress::advance();
    }

private:
    int m_left;
};
} // namespace

// The wizard's steps may be cancelled between any two of their parts; whatever a later step
// makes must still be the direct conversion's result, never one built on half-made rasters.
TEST(PictureConversionTest, WizardPipelineCancelledAnywhereStillGivesTheDirectResult)
{
    const auto design = freshDesign();
    TStitch& doc = design->stitch;
    const TBitmap32 source = photo();
    ConversionChoices choices;
    choices.SelectionRect = QRectF(10, 5, 100, 70);
    choices.contrast = 130;
    choices.maxSize = 40;
    choices.maxColors = 6;
    choices.dithering = DitherMethod::FloydSteinberg;
    choices.ditherLevel = 60;
    PictureConversion direct(doc);
    ASSERT_TRUE(direct.run(source, choices));

    for (int cancelAt = 1; cancelAt <= 8; ++cancelAt) {
        WizardPipeline pipeline(doc, source);
        JobProgress free;
        // An earlier crop, adjustment and size, as the user went through the pages before.
        ConversionChoices earlier;
        earlier.maxSize = 60;
        ASSERT_TRUE(pipeline.matched(earlier, free));
        CancelAt cancelling(cancelAt);
        const Status stopped = pipeline.matched(choices, cancelling);
        if (!stopped) {
            EXPECT_FALSE(pipeline.conversion().PaletteMatched) << cancelAt;
            // A colour-count change now has no matching to reduce: it matches first.
            ASSERT_TRUE(pipeline.recomputed(choices, free)) << cancelAt;
        }
        EXPECT_TRUE(pipeline.conversion().PaletteMatched) << cancelAt;
        EXPECT_EQ(pipeline.conversion().ImageFinal.image(), direct.ImageFinal.image()) << cancelAt;
    }
}

TEST(PictureConversionTest, WizardAdjustmentPageWorksOnAViewSizedCopy)
{
    const auto design = freshDesign();
    const TBitmap32 source = photo();
    WizardPipeline pipeline(design->stitch, source);
    ConversionChoices choices;
    choices.brightness = 40;
    JobProgress progress;
    ASSERT_TRUE(pipeline.adjustmentView(choices, QSize(60, 60), progress));
    EXPECT_EQ(pipeline.AdjustmentView().width(), 60);
    EXPECT_EQ(pipeline.AdjustmentView().height(), 40);
    // The full-size picture is adjusted only once the size page asks for it.
    EXPECT_TRUE(pipeline.conversion().ImageAdjustment.empty());
    // A view larger than the crop shows the crop as it is, adjusted.
    ASSERT_TRUE(pipeline.adjustmentView(choices, QSize(600, 450), progress));
    EXPECT_EQ(pipeline.AdjustmentView().image(), PictureConversion::adjusted(source, 40, 100).image());
    ASSERT_TRUE(pipeline.resized(choices, progress));
    EXPECT_EQ(pipeline.conversion().ImageAdjustment.image(), pipeline.AdjustmentView().image());
}
