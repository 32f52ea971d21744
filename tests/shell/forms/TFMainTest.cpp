#include "model/Design.h"
#include "shell/forms/TFMain.h"
#include "support/ui/ScriptedDialogs.h"
#include "view/forms/TColorPanel.h"
#include "view/forms/TWorkView.h"
#include "view/PaletteGridLayout.h"
#include "view/forms/TFPalette.h"
#include <QPushButton>
#include <QTest>
#include <QFile>
#include <QTemporaryDir>
#include "shell/Paths.h"
#include "shell/SettingsStore.h"
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
std::unique_ptr<TFMain> startMain(ScriptedDialogs** dialogs = nullptr)
{
    auto main = std::make_unique<TFMain>();
    auto scripted = std::make_unique<ScriptedDialogs>();
    if (dialogs)
        *dialogs = scripted.get();
    main->setDialogs(std::move(scripted));
    return main;
}
} // namespace

TEST(TFMain, StartsWithTheDefaultEmptyDesign)
{
    auto main = startMain();
    main->show();
    const Design& d = main->design();
    EXPECT_EQ(d.width(), 50);
    EXPECT_EQ(d.height(), 50);
    EXPECT_TRUE(d.stitch.fileSaved());
    EXPECT_FALSE(d.stitch.FileNameAssigned);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("New file.qmk[*]"));
    EXPECT_EQ(main->mode(), modDraw);
    EXPECT_TRUE(main->ButtonDraw->isChecked());
    EXPECT_FALSE(main->MenuSave->isEnabled());
    EXPECT_TRUE(main->MenuSaveAs->isEnabled());
    EXPECT_FALSE(main->Undo1->isEnabled());
    EXPECT_FALSE(main->Redo1->isEnabled());
    EXPECT_TRUE(main->PanelLeft->RadioAllColors->isEnabled());
    EXPECT_TRUE(main->Image->isEnabled());
}

TEST(TFMain, MenusAndToolBarFollowTheProgramsOrder)
{
    auto main = startMain();
    QStringList menus;
    for (QAction* a : main->menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, (QStringList{QStringLiteral("File"), QStringLiteral("Edit"), QStringLiteral("View"),
                         QStringLiteral("Tools"), QStringLiteral("Help"), QStringLiteral("Languages")}));
    EXPECT_EQ(main->MenuOpen->text(), QStringLiteral("Open Design ..."));
    EXPECT_EQ(main->MenuSaveAs->shortcut(), QKeySequence(QStringLiteral("Shift+Ctrl+S")));
    EXPECT_EQ(main->Redo1->shortcut(), QKeySequence(QStringLiteral("Shift+Ctrl+Z")));
    EXPECT_EQ(main->MenuExit->shortcut(), QKeySequence(QStringLiteral("Alt+X")));

    const QStringList expected = QStringLiteral(
        "MenuNew MenuPicture MenuOpen MenuSave MenuSaveAs | MenuPrint | Undo1 Redo1 | ButtonSelection | "
        "MenuCut MenuCopy MenuPaste MenuMerge | ButtonView ButtonBackStitch ButtonHighlight MenuRealPreview "
        "ButtonShadow | ButtonZoomDec ButtonZoom ButtonZoomInc ButtonCursor | ButtonDraw ButtonDrawQuarter "
        "ButtonDrawLine ButtonDrawRectangle ButtonDrawCircle ButtonFill ButtonText ButtonOutlineBorder "
        "ButtonInlineBorder ButtonKnot ButtonRhode | ButtonBackStitchDraw | ButtonOutline ButtonPipette "
        "ButtonErase ButtonSwitchColors ButtonInsert | DropDownPenSize DropDownFillFactor | ButtonRotateRight "
        "ButtonRotateLeft ButtonMirrorHorizontal ButtonMirrorVertical").split(QLatin1Char(' '));
    EXPECT_EQ(main->toolBarEntries(), expected);
    EXPECT_EQ(main->ButtonDraw->toolTip(), QStringLiteral("Draw Cross Stitches"));
}

TEST(TFMain, StatusBarHasSixPanels)
{
    auto main = startMain();
    ASSERT_EQ(main->StatusBarPanels.size(), 6);
    const TStitch& doc = main->design().stitch;
    EXPECT_EQ(main->statusPanelText(2), QStringLiteral("Colors: ") + doc.colorsname());
    EXPECT_TRUE(main->statusPanelText(1).startsWith(QStringLiteral("Symbols: ")));
    EXPECT_EQ(main->statusPanelText(3), QStringLiteral("Colors used: 0 (%1)").arg(doc.chars->fcharacters.size()));
}

TEST(TFMain, ResetAndUpdateSwitchTheControls)
{
    auto main = startMain();
    main->ResetGUI();
    for (QAction* a : {main->MenuSave, main->MenuSaveAs, main->MenuPrint, main->ButtonDraw, main->ButtonErase,
             main->ButtonRotateLeft, main->Undo1})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_FALSE(main->PanelLeft->RadioUsedColors->isEnabled());
    EXPECT_FALSE(main->Image->isEnabled());

    main->UpdateGUI();
    for (QAction* a : {main->MenuSaveAs, main->MenuPrint, main->MenuPatternSettings, main->ButtonDraw,
             main->ButtonErase, main->ButtonDrawQuarter, main->ButtonBackStitchDraw})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    for (QAction* a : {main->MenuCut, main->MenuCopy, main->MenuMerge, main->ButtonRotateLeft, main->ButtonMirrorVertical})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_TRUE(main->Image->isEnabled());

    main->setMode(modSelection);
    EXPECT_TRUE(main->MenuCut->isEnabled());
    EXPECT_TRUE(main->MenuCopy->isEnabled());
    EXPECT_FALSE(main->ButtonDraw->isChecked());
}

TEST(TFMain, ClosingAsksOnlyWhenTheDesignHasChanges)
{
    ScriptedDialogs* dialogs = nullptr;
    auto main = startMain(&dialogs);
    main->show();
    EXPECT_TRUE(main->close());
    EXPECT_TRUE(dialogs->asked.isEmpty());

    main->show();
    main->design().stitch.Change();
    dialogs->answers = {Answer::Cancel};
    EXPECT_FALSE(main->close());
    EXPECT_EQ(dialogs->asked, QStringList{QStringLiteral("Data is not saved, save now?")});
    dialogs->answers = {Answer::No};
    EXPECT_TRUE(main->close());
}

TEST(TFMain, LanguagesMenuListsTheRegisteredLanguagesAndRecaptions)
{
    auto main = startMain();
    main->ReadLanguages();
    QStringList captions;
    for (QAction* a : main->MenuLanguages->actions())
        captions << a->text();
    EXPECT_TRUE(captions.contains(QStringLiteral("english")));
    ASSERT_TRUE(captions.contains(QStringLiteral("deutsch")));

    main->selectLanguage(QStringLiteral("deutsch.lang"));
    EXPECT_NE(main->MenuOpen->text(), QStringLiteral("Open Design ..."));
    EXPECT_EQ(main->MenuFile->title(), main->design().stitch.translate(QStringLiteral("File")));
    main->selectLanguage(QStringLiteral("english.lang"));
    EXPECT_EQ(main->MenuOpen->text(), QStringLiteral("Open Design ..."));
}

TEST(TFMain, ColourListCaptionsFollowTheLanguage)
{
    auto main = startMain();
    const QAbstractItemModel* list = main->PanelLeft->GridColors->model();
    const struct
    {
        const char* file;
        QString number;
        QString count;
    } cases[] = {
        {"deutsch.lang", QStringLiteral("Nummer"), QStringLiteral("Stiche")},
        {"francais.lang", QStringLiteral("Numéro"), QStringLiteral("Points")},
        {"english.lang", QStringLiteral("Number"), QStringLiteral("Pixel")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        main->selectLanguage(QString::fromLatin1(c.file));
        EXPECT_EQ(list->headerData(1, Qt::Horizontal).toString(), c.number);
        EXPECT_EQ(list->headerData(2, Qt::Horizontal).toString(), c.count);
    }
}

TEST(TFMain, LargePaletteWindowPicksTheDrawingColour)
{
    auto main = startMain();
    main->show();
    main->PanelLeft->ButtonPalette->click();
    TFPalette* palette = main->findChild<TFPalette*>();
    ASSERT_NE(palette, nullptr);
    EXPECT_TRUE(palette->isVisible());
    const TColorTable& colors = main->design().stitch.Colors;
    // The first swatch of the second column is the colour rows further down the palette.
    const PaletteGridLayout grid(colors.size(), palette->Grid->width(), TFPalette::kSwatch.width());
    const int entry = grid.entryAt(1, 0);
    ASSERT_GT(entry, 0);
    QTest::mouseClick(palette->Grid, Qt::LeftButton, {}, QPoint(TFPalette::kSwatch.width() + 5, 5));
    EXPECT_EQ(main->design().stitch.drawcolor(), main->design().stitch.colorsList[entry].color);
    EXPECT_FALSE(main->PanelLeft->ButtonPalette->isChecked());
}

// The start-up reads the settings first, then loads the catalogues from the folders they name,
// and only then builds the default design with the default palette they name.
TEST(TFMain, StartUpBuildsTheDefaultDesignFromTheSettingsAndCatalogues)
{
    QTemporaryDir config;
    QTemporaryDir palettes;
    QFile palette(palettes.filePath(QStringLiteral("tiny.ctb")));
    ASSERT_TRUE(palette.open(QIODevice::WriteOnly));
    palette.write(";$NTiny\r\n;$V1\r\n310, 0, 0, 0, 0\r\n\"Red\", 321, 200, 0, 0, 1\r\n666, 255, 0, 0, 2\r\n");
    palette.close();
    const QByteArray previous = qgetenv("THREADWRIGHT_CONFIG_DIR");
    qputenv("THREADWRIGHT_CONFIG_DIR", config.path().toLocal8Bit());
    {
        SettingsStore store(Paths::settingsFile());
        store.writeInteger(QStringLiteral("maxColors"), 500);
        store.writeString(QStringLiteral("PalettesPath"), palettes.path() + QLatin1Char('/'));
        store.writeString(QStringLiteral("DefaultColorTable"), QStringLiteral("Tiny v1"));
        store.sync();
    }
    {
        auto main = startMain();
        const TStitch& doc = main->design().stitch;
        EXPECT_EQ(doc.colorsname(), QStringLiteral("Tiny v1"));
        EXPECT_EQ(doc.Colors.size(), 3);
        EXPECT_EQ(doc.ColorPalettes.size(), 1);
        EXPECT_EQ(main->statusPanelText(4), QStringLiteral("Available colours: 3"));
        EXPECT_EQ(doc.drawcolor(), 0u); // the first colour of the palette, 310
    }
    qputenv("THREADWRIGHT_CONFIG_DIR", previous);
}
