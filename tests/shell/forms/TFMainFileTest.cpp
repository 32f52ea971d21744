#include "model/ColorUsage.h"
#include "model/Design.h"
#include "shell/forms/RealMainDialogs.h"
#include "shell/forms/TFMain.h"
#include "support/ui/ScriptedDialogs.h"
#include "view/forms/TWorkView.h"
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>
#include <gtest/gtest.h>

namespace {
class TFMainFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        main = std::make_unique<TFMain>();
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        main->setDialogs(std::move(scripted));
    }

    // Stitches the first palette colour into cell (x, y) of the open design.
    TColorRef stitch(int x, int y)
    {
        Design& d = main->design();
        const TColorRef color = d.stitch.Colors.begin()->first;
        d.CrossLayer.setCanvasPixel(x, y, color);
        ColorUsage::CalcColorUsage(d);
        d.stitch.Change();
        return color;
    }

    QByteArray bytesOf(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    std::unique_ptr<TFMain> main;
    ScriptedDialogs* dialogs = nullptr;
};
} // namespace

TEST_F(TFMainFileTest, SaveAsThenOpenGivesTheSameDesign)
{
    const TColorRef color = stitch(3, 4);
    dialogs->saveNames = {dir.filePath(QStringLiteral("rose"))};
    main->MenuSaveAsClick();
    const QString file = dir.filePath(QStringLiteral("rose.qmk"));
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(main->design().stitch.filename(), file);
    EXPECT_TRUE(main->design().stitch.fileSaved());
    EXPECT_EQ(main->general().recentFiles.first(), file);

    dialogs->openNames = {file};
    main->MenuOpenClick();
    const Design& d = main->design();
    EXPECT_EQ(d.CrossLayer.canvasPixel(3, 4), color);
    EXPECT_EQ(d.stitch.Colors.at(color).colorCount, 1);
    EXPECT_TRUE(d.stitch.fileSaved());
    EXPECT_TRUE(d.stitch.FileNameAssigned);
    EXPECT_EQ(d.stitch.fileMode, fmOpen);
    EXPECT_TRUE(dialogs->warned.isEmpty());
}

// The desktop adds the program's name to the title; the window gives the file name once and
// marks unsaved changes.
TEST_F(TFMainFileTest, TitleNamesTheFileOnceAndMarksUnsavedChanges)
{
    main->show();
    const auto shown = [this] { return main->windowHandle()->title(); };
    EXPECT_EQ(shown(), QStringLiteral("New file.qmk"));
    stitch(3, 4);
    EXPECT_EQ(shown(), QStringLiteral("New file.qmk*"));
    dialogs->saveNames = {dir.filePath(QStringLiteral("rose"))};
    main->MenuSaveAsClick();
    EXPECT_EQ(shown(), QStringLiteral("rose.qmk"));
    EXPECT_FALSE(main->windowTitle().contains(QStringLiteral("Threadwright")));
}

TEST_F(TFMainFileTest, SaveAsAsksBeforeReplacingAndOnlyYesReplaces)
{
    const QString file = dir.filePath(QStringLiteral("old.qmk"));
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("precious");
    f.close();
    stitch(0, 0);
    for (Answer answer : {Answer::No, Answer::Cancel}) {
        dialogs->saveNames = {dir.filePath(QStringLiteral("old"))};
        dialogs->answers = {answer};
        main->MenuSaveAsClick();
        ASSERT_FALSE(dialogs->asked.isEmpty());
        EXPECT_EQ(dialogs->asked.last(), QStringLiteral("File already exists, do you want to replace it?"));
        EXPECT_EQ(bytesOf(file), QByteArray("precious"));
        EXPECT_FALSE(main->design().stitch.FileNameAssigned);
        EXPECT_FALSE(main->design().stitch.fileSaved());
    }
    dialogs->saveNames = {file};
    dialogs->answers = {Answer::Yes};
    main->MenuSaveAsClick();
    EXPECT_TRUE(bytesOf(file).startsWith("HDSF"));
    EXPECT_TRUE(main->design().stitch.fileSaved());

    // A name that ends in ".QMK" is kept as typed.
    main->design().stitch.Change();
    dialogs->saveNames = {dir.filePath(QStringLiteral("upper.QMK"))};
    main->MenuSaveAsClick();
    EXPECT_EQ(main->design().stitch.filename(), dir.filePath(QStringLiteral("upper.QMK")));
}

TEST_F(TFMainFileTest, AFileThatCannotBeReadLeavesTheOpenDesign)
{
    const TColorRef color = stitch(7, 7);
    const QString bad = dir.filePath(QStringLiteral("bad.qmk"));
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a design at all");
    f.close();
    dialogs->answers = {Answer::No}; // discard the changes when asked
    dialogs->openNames = {bad};
    main->MenuOpenClick();
    ASSERT_EQ(dialogs->warned.size(), 1);
    EXPECT_TRUE(dialogs->warned.first().contains(QStringLiteral("bad.qmk")));
    EXPECT_EQ(main->design().CrossLayer.canvasPixel(7, 7), color);
    EXPECT_FALSE(main->design().stitch.fileSaved());
    EXPECT_TRUE(main->general().recentFiles.isEmpty());
}

TEST_F(TFMainFileTest, AFailedSaveKeepsTheDesignUnsavedAndSaysWhy)
{
    stitch(1, 1);
    dialogs->saveNames = {dir.filePath(QStringLiteral("missing-folder/x.qmk"))};
    main->MenuSaveAsClick();
    EXPECT_EQ(dialogs->warned.size(), 1);
    EXPECT_FALSE(main->design().stitch.fileSaved());
    EXPECT_FALSE(main->design().stitch.FileNameAssigned);
}

TEST_F(TFMainFileTest, ReopenIgnoresAMissingFile)
{
    stitch(2, 2);
    dialogs->saveNames = {dir.filePath(QStringLiteral("a.qmk"))};
    main->MenuSaveAsClick();
    QFile::remove(dir.filePath(QStringLiteral("a.qmk")));
    main->design().stitch.Change();
    main->MRUItemClick(0);
    EXPECT_TRUE(dialogs->asked.isEmpty());
    EXPECT_FALSE(main->design().stitch.fileSaved());
}

TEST_F(TFMainFileTest, NewEmptyDesignHasTheChosenSizeAndStartsUnsaved)
{
    NewDesignChoice choice;
    choice.width = 80;
    choice.height = 60;
    choice.knitting = true;
    dialogs->newDesigns = {choice};
    main->MenuNewClick();
    const Design& d = main->design();
    EXPECT_EQ(d.width(), 80);
    EXPECT_EQ(d.QuarterLayer.height(), 120);
    EXPECT_EQ(d.CrossLayer.pixel(79, 59), 0xFFFFFFFFu);
    EXPECT_FALSE(d.stitch.fileSaved());
    EXPECT_EQ(d.stitch.filename(), QStringLiteral("New file.qmk"));
    EXPECT_EQ(d.stitch.Colors.size(), d.stitch.palette(d.stitch.colorsname())->size());
    EXPECT_TRUE(main->knittingMode());
    EXPECT_EQ(main->Image->cellHeight(), 6); // zoom 8 in knitting cells
    EXPECT_FALSE(main->ButtonDrawQuarter->isEnabled());

    // A cancelled dialog leaves the design as it is.
    main->MenuNewClick(); // asks first: the design is unsaved
    EXPECT_EQ(main->design().width(), 80);
}

TEST_F(TFMainFileTest, ExportOxsWritesAChartAndTheDesignKeepsItsNameAndState)
{
    const TColorRef color = stitch(3, 4);
    const QString name = main->design().stitch.filename();
    EXPECT_EQ(main->MenuExportOXS->isEnabled(), main->MenuSaveAs->isEnabled());
    dialogs->saveNames = {dir.filePath(QStringLiteral("rose"))};
    main->MenuExportOXSClick();
    const QString file = dir.filePath(QStringLiteral("rose.oxs"));
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(main->design().stitch.filename(), name);
    EXPECT_FALSE(main->design().stitch.fileSaved());
    EXPECT_TRUE(dialogs->warned.isEmpty());

    ASSERT_TRUE(main->OpenFile(file));
    EXPECT_EQ(main->design().CrossLayer.canvasPixel(3, 4), color);
    EXPECT_EQ(main->design().stitch.filename(), dir.filePath(QStringLiteral("rose.qmk")));
    EXPECT_TRUE(dialogs->warned.isEmpty());
}

TEST_F(TFMainFileTest, OpeningAChartWithStitchesADesignCannotHoldSaysSoInOneMessage)
{
    const QString chart = dir.filePath(QStringLiteral("beads.oxs"));
    QFile f(chart);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(R"(<chart><palette><palette_item index="1" number="x" color="102030"/></palette>
        <fullstitches><stitch x="1" y="1" palindex="1"/></fullstitches>
        <ornaments_inc_knots_and_beads><object objecttype="bead" x1="1" y1="1" palindex="1"/>
        <object objecttype="knot" x1="1.2" y1="1" palindex="1"/></ornaments_inc_knots_and_beads></chart>)");
    f.close();
    dialogs->openNames = {chart};
    main->MenuOpenClick();
    ASSERT_EQ(dialogs->warned.size(), 1);
    EXPECT_TRUE(dialogs->warned[0].contains(QStringLiteral("1 stitches of the kind bead were left out")));
    EXPECT_TRUE(dialogs->warned[0].contains(QStringLiteral("1 french knots were moved")));
    EXPECT_FALSE(main->design().isEmptyCell(1, 1));
}

TEST_F(TFMainFileTest, SavingWhenAskedAboutUnsavedChangesNamesTheFileLikeSaveAs)
{
    stitch(2, 3);
    dialogs->answers = {Answer::Yes};
    dialogs->saveNames = {dir.filePath(QStringLiteral("asked"))};
    ASSERT_TRUE(main->design().stitch.Check(*main));
    const QString file = dir.filePath(QStringLiteral("asked.qmk"));
    EXPECT_TRUE(QFile::exists(file));
    EXPECT_EQ(main->design().stitch.filename(), file);
    EXPECT_TRUE(main->design().stitch.fileSaved());
    EXPECT_EQ(main->general().recentFiles.first(), file);
}

TEST(TFMainStartup, AMissingCommandLineFileIsToldOverTheEmptyDesign)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("gone.qmk"));
    TFMain main(missing);
    auto scripted = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs* dialogs = scripted.get();
    main.setDialogs(std::move(scripted));
    EXPECT_EQ(main.design().width(), 50) << "the empty design is there before the message";
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs->warned.size(), 1);
    EXPECT_EQ(dialogs->warned.first(), QStringLiteral("The file %1 was not found.").arg(missing));
    EXPECT_EQ(main.design().height(), 50);
    EXPECT_TRUE(main.general().recentFiles.isEmpty());
}

TEST(TFMainStartup, ErrorsShowTheWarningIcon)
{
    TFMain main;
    QMessageBox::Icon shown = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->icon();
            box->accept();
        }
    });
    RealMainDialogs(main).warn(QStringLiteral("Could not write the file x.qmk: No space left on device"));
    EXPECT_EQ(shown, QMessageBox::Warning);
}
