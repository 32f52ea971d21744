// The program-wide options: the "Default" column, the all-or-nothing check, the default-title
// rule, the subtitle that follows the language, and the way through the settings store.
#include "model/Design.h"
#include "shell/GeneralSettings.h"
#include "shell/OptionsValues.h"
#include "shell/SettingsStore.h"
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// Settings as a user might have left them: nothing at its default.
OptionsValues changedValues()
{
    OptionsValues v;
    v.defaultPalette = QStringLiteral("Anchor v1");
    v.defaultCharacters = QStringLiteral("Shapes");
    v.libraryPath = QStringLiteral("/lib/designs");
    v.DefaultTitle = QStringLiteral("Sampler");
    v.SubTitle = QStringLiteral("Stitched by Ann");
    v.BookInfo = QStringLiteral("<p>Notes</p>");
    v.checkForUpdates = false;
    for (const OptionsValues::NumericField& f : OptionsValues::numericFields())
        v.*f.value = f.minimum == -100 ? -7 : f.minimum + 3;
    v.AllowQuarterOverCross = true;
    return v;
}
} // namespace

TEST(OptionsValues, DefaultPutsInTheDefaultColumnAndKeepsTheRest)
{
    const OptionsValues changed = changedValues();
    const OptionsValues d = changed.defaults();
    EXPECT_EQ(d.SubTitle, QStringLiteral("Created with Velwick Threadwright"));
    EXPECT_TRUE(d.checkForUpdates);
    EXPECT_EQ((QList<int>{d.thickLines, d.mediumLines, d.thinLines, d.backstitchLines, d.symbolSize}),
        (QList<int>{50, 20, 1, 60, 100}));
    EXPECT_EQ((QList<int>{d.PrintPosTop, d.PrintPosLeft, d.LegendDistance, d.BagSize}), (QList<int>{0, 0, 5, 200}));
    EXPECT_EQ((QList<int>{d.BorderLeft, d.BorderTop, d.BorderRight, d.BorderBottom}), (QList<int>{15, 15, 10, 15}))
        << "the margins of a fresh install";
    EXPECT_FALSE(d.AllowQuarterOverCross);
    // Rows without a default keep what the dialog held.
    EXPECT_EQ(d.defaultPalette, changed.defaultPalette);
    EXPECT_EQ(d.libraryPath, changed.libraryPath);
    EXPECT_EQ(d.DefaultTitle, changed.DefaultTitle);
    EXPECT_EQ(d.BookInfo, changed.BookInfo);
    EXPECT_EQ((QList<int>{d.LabelGridHor, d.LabelWidth, d.LabelBorderTop}),
        (QList<int>{changed.LabelGridHor, changed.LabelWidth, changed.LabelBorderTop}));
}

TEST(OptionsValues, AValueOutOfRangeStoresNothing)
{
    const struct
    {
        int OptionsValues::*field;
        int value;
    } cases[] = {{&OptionsValues::LabelGridHor, 0}, {&OptionsValues::LabelGridVert, 0},
        {&OptionsValues::LabelWidth, 0}, {&OptionsValues::LabelHeight, 2501}, {&OptionsValues::thickLines, 101},
        {&OptionsValues::symbolSize, 29}, {&OptionsValues::PrintPosTop, -101}, {&OptionsValues::LegendDistance, 0},
        {&OptionsValues::BagSize, 10001}, {&OptionsValues::LabelBorderLeft, -1}};
    for (const auto& c : cases) {
        Design design;
        GeneralSettings general;
        const OptionsValues before = OptionsValues::read(design.stitch, general);
        OptionsValues edited = changedValues();
        edited.*c.field = c.value;
        const Status applied = edited.apply(design.stitch, general);
        EXPECT_FALSE(applied.isOk()) << c.value;
        EXPECT_TRUE(OptionsValues::read(design.stitch, general) == before) << c.value;
        EXPECT_TRUE(design.stitch.DefaultTitle.isEmpty());
    }
    Design design;
    GeneralSettings general;
    OptionsValues edited = changedValues();
    edited.thickLines = 200;
    EXPECT_EQ(edited.apply(design.stitch, general).text(),
        QStringLiteral("The value of \"Thick grid lines\" must be a whole number from 0 to 100."));
}

TEST(OptionsValues, ADesignWithoutTitleTakesTheNewDefaultTitle)
{
    const struct
    {
        const char* title;
        const char* after;
        bool saved;
    } cases[] = {{"", "Sampler", false}, {"Roses", "Roses", true}};
    for (const auto& c : cases) {
        Design design;
        GeneralSettings general;
        design.stitch.Title = QString::fromUtf8(c.title);
        design.stitch.setFileSaved(true);
        ASSERT_TRUE(changedValues().apply(design.stitch, general).isOk());
        EXPECT_EQ(design.stitch.Title, QString::fromUtf8(c.after));
        EXPECT_EQ(design.stitch.fileSaved(), c.saved);
        EXPECT_EQ(design.stitch.DefaultTitle, QStringLiteral("Sampler"));
    }
}

TEST(OptionsValues, TheDefaultSubTitleIsStoredInEnglishAndShownTranslated)
{
    Design design;
    TStitch& doc = design.stitch;
    const QString english = QStringLiteral("Created with Velwick Threadwright");
    const QString german = QStringLiteral("Erstellt mit Velwick Threadwright");
    doc.Language.insert(english, german);
    EXPECT_EQ(OptionsValues::shownSubTitle(doc, english), german);
    EXPECT_EQ(OptionsValues::storedSubTitle(doc, german), english);
    EXPECT_EQ(OptionsValues::storedSubTitle(doc, QStringLiteral("Mine")), QStringLiteral("Mine"));
}

TEST(OptionsValues, AnEmptyListKeepsTheDefaultPaletteAndSymbolSet)
{
    Design design;
    GeneralSettings general;
    design.stitch.defaultPalette = QStringLiteral("DMC v1");
    design.stitch.defaultCharacters = QStringLiteral("Standard");
    OptionsValues edited = changedValues();
    edited.defaultPalette.clear();
    edited.defaultCharacters.clear();
    ASSERT_TRUE(edited.apply(design.stitch, general).isOk());
    EXPECT_EQ(design.stitch.defaultPalette, QStringLiteral("DMC v1"));
    EXPECT_EQ(design.stitch.defaultCharacters, QStringLiteral("Standard"));
}

// What OK stores is what the next start reads.
TEST(OptionsValues, AppliedValuesComeBackThroughTheSettingsStore)
{
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath(QStringLiteral("settings.ini"));
    Design design;
    GeneralSettings general;
    {
        SettingsStore store(file);
        design.stitch.ReadGeneralSettings(store, general);
    }
    const OptionsValues edited = changedValues();
    ASSERT_TRUE(edited.apply(design.stitch, general).isOk());
    {
        SettingsStore store(file);
        design.stitch.WriteGeneralSettings(store, general);
        ASSERT_TRUE(store.sync());
    }
    Design reread;
    GeneralSettings rereadGeneral;
    SettingsStore store(file);
    reread.stitch.ReadGeneralSettings(store, rereadGeneral);
    OptionsValues expected = edited;
    expected.libraryPath = QStringLiteral("/lib/designs/");
    EXPECT_TRUE(OptionsValues::read(reread.stitch, rereadGeneral) == expected);
}
