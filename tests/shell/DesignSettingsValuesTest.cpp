// The design settings: values read from the design, applied only where they differ from what
// was shown, all checked before any is applied, one undo step per undoable change.
#include "editing/DesignSnapshot.h"
#include "editing/StitchOperations.h"
#include "editing/TChangeBackgroundAction.h"
#include "editing/TChangeDimensionsAction.h"
#include "editing/TChangePaletteAction.h"
#include "editing/TReduceColorsAction.h"
#include "model/ColorUsage.h"
#include "shell/CatalogueChoices.h"
#include "shell/DesignSettingsValues.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kGreen = 0x00FF00;
constexpr TColorRef kBlue = 0xFF0000;
const QString kMine = QStringLiteral("Mine v1");
const QString kOther = QStringLiteral("Other v1");

// Three colours on four cells, on palette Mine with the symbol set Full; saved.
std::unique_ptr<Design> savedDesign()
{
    auto d = TestDesigns::fromRows({"rrgb", "r..."}, {{'r', kRed}, {'g', kGreen}, {'b', kBlue}});
    TStitch& doc = d->stitch;
    doc.ColorPalettes.insert(kMine, TestDesigns::palette({kRed, kGreen, kBlue}));
    doc.ColorPalettes.insert(kOther, TestDesigns::palette({0x000080, 0x008000, 0x800000}));
    doc.ColorPalettes.insert(QStringLiteral("Empty"), TColorTable());
    doc.setColorsname(kMine);
    TCharacterInfo full{QString(), QStringLiteral("Full"), QString(), QStringLiteral("Sans"), 0, 0, defaultCharacterString()};
    TCharacterInfo shortSet{QString(), QStringLiteral("Short"), QString(), QStringLiteral("Sans"), 0, 0, QStringLiteral("#")};
    doc.characters.insert(full.Name, full);
    doc.characters.insert(shortSet.Name, shortSet);
    doc.chars->CharsName = full.Name;
    ColorUsage::CalcColorUsage(*d);
    doc.setFileSaved(true);
    return d;
}
} // namespace

TEST(DesignSettingsValues, AnUntouchedOkChangesNothingEvenForLengthsShownRounded)
{
    auto d = savedDesign();
    d->stitch.len = 0.0025;
    d->stitch.comment = {QString()};
    const DesignSettingsValues shown = DesignSettingsValues::read(*d);
    EXPECT_EQ(shown.len, 2) << "2.5 mm is shown as the nearest whole mm, halves to even";
    EXPECT_EQ(shown.palette, kMine);
    EXPECT_EQ(shown.symbols, QStringLiteral("Full"));
    EXPECT_EQ(shown.colorsCount, 3);
    EXPECT_EQ(shown.background, 0xFFFFFFu);

    const DesignSettingsValues::Outcome outcome = shown.apply(*d, shown);
    EXPECT_TRUE(outcome.refused.isOk());
    EXPECT_FALSE(outcome.changed);
    EXPECT_DOUBLE_EQ(d->stitch.len, 0.0025);
    EXPECT_EQ(d->stitch.comment, QStringList{QString()});
    EXPECT_TRUE(d->stitch.fileSaved());
    EXPECT_EQ(d->History.count(), 0);
}

TEST(DesignSettingsValues, LengthsAreStoredInMetresAndShownInWholeMillimetres)
{
    auto d = savedDesign();
    DesignSettingsValues edited = DesignSettingsValues::read(*d);
    const DesignSettingsValues shown = edited;
    edited.len = 6;
    edited.backLen = 2.5;
    edited.baseLen = 100;
    ASSERT_TRUE(edited.apply(*d, shown).refused.isOk());
    EXPECT_DOUBLE_EQ(d->stitch.len, 0.006);
    EXPECT_DOUBLE_EQ(d->stitch.backlen, 0.0025);
    EXPECT_DOUBLE_EQ(d->stitch.baseLen, 0.1);
    EXPECT_FALSE(d->stitch.fileSaved());
    EXPECT_EQ(d->History.count(), 0) << "lengths are not undo steps";
    EXPECT_EQ(DesignSettingsValues::read(*d).len, 6);
}

TEST(DesignSettingsValues, OnlyALowerColourCountReduces)
{
    const struct
    {
        int count;
        int usedAfter;
        int steps;
    } cases[] = {{3, 3, 0}, {7, 3, 0}, {2, 2, 1}, {1, 1, 1}};
    for (const auto& c : cases) {
        auto d = savedDesign();
        DesignSettingsValues edited = DesignSettingsValues::read(*d);
        const DesignSettingsValues shown = edited;
        edited.colorsCount = c.count;
        ASSERT_TRUE(edited.apply(*d, shown).refused.isOk()) << c.count;
        EXPECT_EQ(d->stitch.usedColors(), c.usedAfter) << c.count;
        EXPECT_EQ(d->History.count(), c.steps) << c.count;
        EXPECT_EQ(d->stitch.fileSaved(), c.steps == 0) << c.count;
    }
}

TEST(DesignSettingsValues, ColourCountIsFixedBelowTwoColours)
{
    const DesignSettingsValues::CountRange one = DesignSettingsValues::colorsCountRange(1);
    EXPECT_FALSE(one.enabled);
    EXPECT_EQ(one.minimum, 0);
    const DesignSettingsValues::CountRange many = DesignSettingsValues::colorsCountRange(12);
    EXPECT_TRUE(many.enabled);
    EXPECT_EQ(many.minimum, 1);
    EXPECT_EQ(many.maximum, 12);
}

// Every value is checked before any is applied: a refusal leaves the title typed beside it out.
TEST(DesignSettingsValues, ARefusedValueAppliesNothing)
{
    const struct
    {
        const char* what;
        void (*edit)(DesignSettingsValues&);
        const char* message;
    } cases[] = {
        {"width 0", [](DesignSettingsValues& v) { v.width = 0; }, "A design must be 1 to %1 cells wide"},
        {"too many cells", [](DesignSettingsValues& v) { v.width = v.height = 32767; }, "A design must be 1 to %1 cells wide"},
        {"length", [](DesignSettingsValues& v) { v.len = 100.5; }, "A thread length"},
        {"no colour", [](DesignSettingsValues& v) { v.colorsCount = 0; }, "A design keeps at least one colour."},
        {"empty palette", [](DesignSettingsValues& v) { v.palette = QStringLiteral("Empty"); }, "The palette %1"},
        {"unknown symbols", [](DesignSettingsValues& v) { v.symbols = QStringLiteral("Gone"); }, "The symbol set %1"},
    };
    for (const auto& c : cases) {
        auto d = savedDesign();
        const DesignSnapshot before = DesignSnapshot::of(*d);
        DesignSettingsValues edited = DesignSettingsValues::read(*d);
        const DesignSettingsValues shown = edited;
        edited.Title = QStringLiteral("New title");
        edited.background = 0x00FFFF;
        c.edit(edited);
        const DesignSettingsValues::Outcome outcome = edited.apply(*d, shown);
        EXPECT_FALSE(outcome.refused.isOk()) << c.what;
        EXPECT_TRUE(outcome.refused.message().startsWith(QLatin1String(c.message))) << c.what;
        EXPECT_TRUE(d->stitch.Title.isEmpty()) << c.what;
        EXPECT_TRUE(DesignSnapshot::of(*d) == before) << c.what;
        EXPECT_TRUE(d->stitch.fileSaved()) << c.what;
    }
}

TEST(DesignSettingsValues, EachUndoableChangeIsOneStepInOrder)
{
    auto d = savedDesign();
    const DesignSnapshot before = DesignSnapshot::of(*d);
    DesignSettingsValues edited = DesignSettingsValues::read(*d);
    const DesignSettingsValues shown = edited;
    edited.Title = QStringLiteral("Roses");
    edited.background = 0xC0C0C0;
    edited.palette = kOther;
    edited.colorsCount = 2;
    edited.width = 6;
    edited.height = 1;
    const DesignSettingsValues::Outcome outcome = edited.apply(*d, shown);
    ASSERT_TRUE(outcome.refused.isOk());
    EXPECT_TRUE(outcome.changed);
    ASSERT_EQ(d->History.count(), 4);
    EXPECT_TRUE(dynamic_cast<const TChangeBackgroundAction*>(&d->History.at(0)));
    EXPECT_TRUE(dynamic_cast<const TChangePaletteAction*>(&d->History.at(1)));
    EXPECT_TRUE(dynamic_cast<const TReduceColorsAction*>(&d->History.at(2)));
    EXPECT_TRUE(dynamic_cast<const TChangeDimensionsAction*>(&d->History.at(3)));
    EXPECT_EQ(d->stitch.Title, QStringLiteral("Roses"));
    EXPECT_EQ(d->stitch.colorsname(), kOther);
    EXPECT_EQ(d->stitch.usedColors(), 2);
    EXPECT_EQ(d->width(), 6);
    EXPECT_EQ(d->height(), 1);
    EXPECT_EQ(countsAgainstRecount(*d), "");

    for (int i = 0; i < 4; ++i)
        d->History.Undo();
    const DesignSnapshot after = DesignSnapshot::of(*d);
    EXPECT_TRUE(after == before) << after.firstDifference(before);
}

TEST(DesignSettingsValues, AShorterSymbolSetIsNotAnUndoStepAndSaysWhoLostTheirSymbol)
{
    auto d = savedDesign();
    DesignSettingsValues edited = DesignSettingsValues::read(*d);
    const DesignSettingsValues shown = edited;
    edited.symbols = QStringLiteral("Short");
    const DesignSettingsValues::Outcome outcome = edited.apply(*d, shown);
    ASSERT_TRUE(outcome.refused.isOk());
    EXPECT_EQ(d->stitch.chars->CharsName, QStringLiteral("Short"));
    EXPECT_EQ(d->History.count(), 0);
    EXPECT_FALSE(d->stitch.fileSaved());
    ASSERT_EQ(outcome.notes.size(), 1);
    EXPECT_EQ(outcome.notes[0].args(), QStringList{QStringLiteral("2")}) << "green and blue have symbols 1 and 2";
}

TEST(DesignSettingsValues, PalettesWithoutColoursAreNotOfferedAndAnEmptyChoiceKeepsThePalette)
{
    auto d = savedDesign();
    EXPECT_EQ(CatalogueChoices::palettes(d->stitch), (QStringList{kMine, kOther}));
    EXPECT_EQ(CatalogueChoices::symbolSets(d->stitch), (QStringList{QStringLiteral("Full"), QStringLiteral("Short")}));
    d->stitch.setColorsname(QStringLiteral("Empty"));
    const DesignSettingsValues shown = DesignSettingsValues::read(*d);
    EXPECT_TRUE(shown.palette.isEmpty());
    ASSERT_TRUE(shown.apply(*d, shown).refused.isOk());
    EXPECT_EQ(d->stitch.colorsname(), QStringLiteral("Empty"));
}
