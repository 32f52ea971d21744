// The rhodes editor driven with simulated input on its real controls: a shape drawn with clicks
// on the surface, the rubber line while a stitch is pending, Cancel after Edit, Delete, and the
// main window's command that saves the user's shapes and rebuilds the rhodes tool's pop-up.
#include "editors/RhodeShapeEditor.h"
#include "editors/forms/RhodeSurfaceView.h"
#include "editors/forms/TFRhodesEditor.h"
#include "files/RhodesFile.h"
#include "model/RhodeShapes.h"
#include "shell/Paths.h"
#include "shell/forms/TFMain.h"
#include "support/TestDesigns.h"
#include "support/ui/ScriptedDialogs.h"
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {
const QRgb kBlue = qRgb(4, 217, 251);
const QRgb kGreen = qRgb(0, 128, 0);
const QRgb kWhite = qRgb(255, 255, 255);

class TFRhodesEditorTest : public testing::Test
{
protected:
    TFRhodesEditorTest()
    {
        shapes.append(TestDesigns::rhodeShape(QStringLiteral("Fan 3"), 2, 2, true, {{2, 4, 0, 0}, {2, 4, 2, 0}, {2, 4, 4, 0}}));
        shapes.append(TestDesigns::rhodeShape(QStringLiteral("Mine"), 2, 2, false, {{0, 0, 4, 4}}));
        editor.askYesNo = [this](const QString& question) {
            asked << question;
            return yes;
        };
        editor.warn = [this](const QString& message) { warned << message; };
        editor.prepare(shapes);
        editor.show();
    }

    void clickAt(const QPoint& pixel) { QTest::mouseClick(editor.Image, Qt::LeftButton, {}, pixel); }
    void select(int row) { editor.ListView1->setCurrentItem(editor.ListView1->topLevelItem(row)); }

    RhodeShapes shapes;
    TFRhodesEditor editor;
    QStringList asked;
    QStringList warned;
    bool yes = true;
};
} // namespace

TEST_F(TFRhodesEditorTest, ANewShapeIsDrawnWithClicksAndStoredByOk)
{
    EXPECT_TRUE(editor.ButtonNew->isEnabled());
    EXPECT_FALSE(editor.ButtonOK->isEnabled());
    EXPECT_FALSE(editor.GroupRhode->isEnabled());
    QTest::mouseClick(editor.ButtonNew, Qt::LeftButton);
    EXPECT_FALSE(editor.GroupList->isEnabled());
    EXPECT_TRUE(editor.ToolDraw->isChecked());
    editor.Edit1->setValue(3);
    EXPECT_EQ(editor.Image->size(), QSize(151, 101));

    clickAt({2, 1});
    QTest::mouseMove(editor.Image, {149, 98});
    QImage shown = editor.Image->composed();
    EXPECT_EQ(shown.pixel(30, 20), kGreen) << "the rubber line from the corner";
    EXPECT_EQ(editor.Image->surface().pixel(30, 20), kWhite) << "it is only in the overlay";
    clickAt({149, 98});
    EXPECT_EQ(editor.Image->composed().pixel(30, 20), kBlue);

    QTest::mouseClick(editor.ButtonOK, Qt::LeftButton);
    EXPECT_EQ(warned, QStringList{QStringLiteral("Enter a name for the rhode shape.")});
    QTest::keyClicks(editor.ERhodeName, QStringLiteral("Slope"));
    QTest::mouseClick(editor.ButtonOK, Qt::LeftButton);
    ASSERT_EQ(shapes.size(), 3);
    EXPECT_EQ(shapes.at(2)->width, 3);
    EXPECT_EQ(editor.ListView1->topLevelItemCount(), 3);
    EXPECT_EQ(editor.ListView1->currentItem()->text(0), QStringLiteral("Slope"));
    EXPECT_TRUE(editor.GroupList->isEnabled());
    EXPECT_TRUE(editor.editor().changed());
}

TEST_F(TFRhodesEditorTest, CancelAfterEditRestoresTheStitchesAndOriginalsOfferNoEdit)
{
    select(0);
    EXPECT_FALSE(editor.ButtonEdit->isEnabled());
    EXPECT_FALSE(editor.ButtonDelete->isEnabled());
    select(1);
    ASSERT_TRUE(editor.ButtonEdit->isEnabled());
    QTest::mouseClick(editor.ButtonEdit, Qt::LeftButton);
    editor.ToolErase->trigger();
    clickAt({30, 30});
    EXPECT_EQ(editor.Image->surface().pixel(30, 30), kWhite);
    EXPECT_EQ(editor.Edit1->minimum(), 1) << "without stitches the box may shrink";
    QTest::mouseClick(editor.ButtonCancel, Qt::LeftButton);
    EXPECT_EQ(shapes.at(1)->stitches.size(), 1);
    EXPECT_EQ(editor.Image->surface().pixel(30, 30), kBlue);
    EXPECT_EQ(editor.Edit1->minimum(), 2) << "the stitch reaches the second column";
    EXPECT_FALSE(editor.editor().changed());
}

TEST_F(TFRhodesEditorTest, DeleteAsksAndRemovesOnlyOnYes)
{
    select(1);
    yes = false;
    QTest::mouseClick(editor.ButtonDelete, Qt::LeftButton);
    EXPECT_EQ(asked, QStringList{QStringLiteral("Delete the rhode shape \"Mine\"?")});
    EXPECT_EQ(shapes.size(), 2);
    yes = true;
    QTest::mouseClick(editor.ButtonDelete, Qt::LeftButton);
    EXPECT_EQ(shapes.size(), 1);
    EXPECT_EQ(editor.ListView1->topLevelItemCount(), 1);
    EXPECT_FALSE(editor.ButtonDelete->isEnabled());
}

TEST_F(TFRhodesEditorTest, ZoomButtonsStopAtTheirBoundsAndHundredPercentReturnsToTheStart)
{
    for (int i = 0; i < 60; ++i)
        editor.ToolZoomOut->trigger();
    EXPECT_EQ(editor.editor().zoom(), RhodeShapeEditor::kMinZoom);
    EXPECT_FALSE(editor.ToolZoomOut->isEnabled());
    editor.Tool100->trigger();
    EXPECT_EQ(editor.editor().zoom(), 50);
    EXPECT_EQ(editor.Image->size(), QSize(101, 101));
}

TEST(TFMainRhodes, TheEditorSavesTheUsersShapesAndTheRhodesPopUpFollows)
{
    QTemporaryDir config;
    const QByteArray oldConfig = qgetenv("THREADWRIGHT_CONFIG_DIR");
    qputenv("THREADWRIGHT_CONFIG_DIR", config.path().toLocal8Bit());
    {
        TFMain main;
        auto* dialogs = new ScriptedDialogs;
        main.setDialogs(std::unique_ptr<MainDialogs>(dialogs));
        main.show();
        const int before = main.ButtonRhode->menu()->actions().size();
        ASSERT_GT(before, 0);

        QTimer::singleShot(0, [] {
            auto* editor = qobject_cast<TFRhodesEditor*>(QApplication::activeModalWidget());
            ASSERT_NE(editor, nullptr);
            QTest::mouseClick(editor->ButtonNew, Qt::LeftButton);
            QTest::mouseClick(editor->Image, Qt::LeftButton, {}, {0, 0});
            QTest::mouseClick(editor->Image, Qt::LeftButton, {}, {100, 100});
            QTest::keyClicks(editor->ERhodeName, QStringLiteral("Diagonal"));
            QTest::mouseClick(editor->ButtonOK, Qt::LeftButton);
            QTest::mouseClick(editor->ButtonClose, Qt::LeftButton);
        });
        main.MenuRhodesEditor->trigger();
        const QList<QAction*> items = main.ButtonRhode->menu()->actions();
        ASSERT_EQ(items.size(), before + 1);
        EXPECT_EQ(items.last()->text(), QStringLiteral("Diagonal"));
        EXPECT_TRUE(dialogs->warned.isEmpty());
        RhodeShapes saved;
        ASSERT_TRUE(RhodesFile::load(RhodesFile::fileIn(Paths::userRhodesFolder()), saved));
        EXPECT_EQ(saved.size(), before + 1);
    }
    qputenv("THREADWRIGHT_CONFIG_DIR", oldConfig);
}
