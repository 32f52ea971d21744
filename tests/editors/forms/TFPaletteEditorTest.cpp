// The palette editor driven with simulated input on its real controls; its questions and the
// palette list are answered by the test instead of modal loops.
#include "editors/forms/TFChoosePalette.h"
#include "editors/forms/TFPaletteEditor.h"
#include "editors/forms/TPickingView.h"
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class TFPaletteEditorTest : public testing::Test
{
protected:
    TFPaletteEditorTest()
        : list(new TFChoosePalette)
        , editor(list)
    {
        QDir().mkpath(shipped());
        editor.setContext(user(), shipped(), QStringLiteral("ABCDEFGHIJ"), QFont());
        editor.askYesNoCancel = [this](const QString& question) {
            asked << question;
            return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
        };
        editor.askYesNo = [this](const QString& question) {
            asked << question;
            return false;
        };
        editor.inform = [this](const QString& message) { informed << message; };
        editor.warn = [this](const QString& message) { warned << message; };
        editor.runPaletteList = [this](TFChoosePalette& l) {
            ++listOpened;
            l.prepare(vmAllowChange);
            if (listFileName.isEmpty())
                return false;
            l.EPaletteFilename->setText(listFileName);
            QTest::mouseClick(l.ButtonOK, Qt::LeftButton);
            return l.result() == QDialog::Accepted;
        };
    }
    ~TFPaletteEditorTest() override { delete list; }

    QString user() const { return dir.filePath(QStringLiteral("user/palettes/")); }
    QString shipped() const { return dir.filePath(QStringLiteral("shipped/")); }

    void addColour(const char* rgb, const char* name, const char* number)
    {
        QTest::mouseClick(editor.ButtonNew, Qt::LeftButton);
        QTest::keyClicks(editor.ERGB, QString::fromLatin1(rgb));
        QTest::keyClicks(editor.EColor, QString::fromUtf8(name));
        QTest::keyClicks(editor.ENumber, QString::fromLatin1(number));
        QTest::mouseClick(editor.ButtonOK, Qt::LeftButton);
    }

    QTemporaryDir dir;
    TFChoosePalette* list;
    TFPaletteEditor editor;
    QList<Answer> answers;
    QStringList asked, informed, warned;
    QString listFileName;
    int listOpened = 0;
};
} // namespace

TEST_F(TFPaletteEditorTest, ANewPaletteOfTwoColoursIsSavedThroughTheListOnExitAndReopens)
{
    editor.prepare({}, {}, {});
    editor.show();
    EXPECT_EQ(editor.EPaletteFileName->text(), QStringLiteral("New Palette.ctb"));
    EXPECT_EQ(editor.document().colors().size(), 0);
    EXPECT_FALSE(editor.ButtonEdit->isEnabled());

    addColour("$FF0000", "Bright \"red\", light", "B5200");
    EXPECT_EQ(editor.swatchColor(), 0x0000FFu); // red, in the thread colour layout
    addColour("#00FF00", "", "700");
    ASSERT_EQ(editor.document().colors().size(), 2);
    EXPECT_EQ(editor.document().colors()[1].colorName, QStringLiteral("700"));
    EXPECT_EQ(editor.Grid->currentIndex().row(), 1);
    EXPECT_TRUE(editor.ButtonSave->isEnabled());
    EXPECT_TRUE(editor.ButtonEdit->isEnabled());
    EXPECT_EQ(editor.document().colors()[1].charID, 1);
    EXPECT_TRUE(asked.isEmpty());

    // Editing: the first colour's symbol is questioned, and No keeps the colour as it was.
    QTest::mouseClick(editor.ButtonEdit, Qt::LeftButton);
    editor.ComboBoxSymbol->setCurrentIndex(0);
    EXPECT_TRUE(editor.LabelWarning->isVisibleTo(&editor));
    QTest::mouseClick(editor.ButtonOK, Qt::LeftButton);
    EXPECT_EQ(asked, QStringList{QStringLiteral("The Symbol is already in use, continue anyway?")});
    EXPECT_EQ(editor.document().colors()[1].charID, 1);
    QTest::mouseClick(editor.ButtonCancel, Qt::LeftButton);
    asked.clear();

    // Exit -> Yes on a palette never saved goes through the list.
    listFileName = QStringLiteral("two");
    answers << Answer::Yes;
    QTest::mouseClick(editor.BExit, Qt::LeftButton);
    EXPECT_EQ(listOpened, 1);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(warned.isEmpty()) << warned.join(QLatin1Char('\n')).toStdString();
    ASSERT_TRUE(QFile::exists(user() + QStringLiteral("two.ctb")));
    EXPECT_FALSE(QFile::exists(shipped() + QStringLiteral("two.ctb")));

    editor.prepare(QStringLiteral("two.ctb"), QStringLiteral("New Palette"), QStringLiteral("1.0"));
    ASSERT_EQ(editor.document().colors().size(), 2);
    EXPECT_EQ(editor.document().colors()[0].colorName, QStringLiteral("Bright \"red\", light"));
    EXPECT_EQ(editor.EColor->text(), QStringLiteral("Bright \"red\", light"));
    EXPECT_EQ(editor.ERGB->text(), QStringLiteral("$FF0000"));
    EXPECT_FALSE(editor.ButtonSave->isEnabled());
}

TEST_F(TFPaletteEditorTest, ABadColourIsRefusedAndExitStaysOpenWhenTheListIsCancelledOrTheWriteFails)
{
    editor.prepare({}, {}, {});
    editor.show();
    addColour("$1020", "Navy", "1"); // not a colour: refused, the fields stay for mending
    EXPECT_EQ(warned, QStringList{QStringLiteral("Not a valid number")});
    EXPECT_EQ(editor.document().colors().size(), 0);
    warned.clear();
    QTest::keyClicks(editor.ERGB, QStringLiteral("30"));
    QTest::mouseClick(editor.ButtonOK, Qt::LeftButton);
    ASSERT_EQ(editor.document().colors().size(), 1);
    EXPECT_EQ(editor.document().colors()[0].matchColor, 0x302010u);

    answers << Answer::Yes; // the list is cancelled
    QTest::mouseClick(editor.BExit, Qt::LeftButton);
    EXPECT_EQ(listOpened, 1);
    EXPECT_TRUE(editor.isVisible());

    // The user's palettes folder cannot be made: a file has its name.
    QDir().mkpath(dir.filePath(QStringLiteral("user")));
    QFile blocker(dir.filePath(QStringLiteral("user/palettes")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    listFileName = QStringLiteral("navy.ctb");
    answers << Answer::Yes;
    QTest::mouseClick(editor.BExit, Qt::LeftButton);
    EXPECT_TRUE(editor.isVisible());
    ASSERT_EQ(warned.size(), 1);
    EXPECT_TRUE(warned[0].contains(QStringLiteral("palettes")));
    EXPECT_TRUE(editor.document().changed());
    EXPECT_EQ(editor.document().colors().size(), 1);

    answers << Answer::No;
    QTest::mouseClick(editor.BExit, Qt::LeftButton);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(asked.size(), 3);
}

TEST_F(TFPaletteEditorTest, PickingAveragesTheSquareUnderTheCursorAndTheWheelStepsItsSize)
{
    TBitmap32 picture(20, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            picture.setCanvasPixel(x, y, x < 10 ? 0x0000FF : 0xFF0000);
    editor.prepare({}, {}, {});
    editor.show();
    editor.Image->setPicture(picture);
    QTest::mouseClick(editor.ButtonNew, Qt::LeftButton);
    QTest::mouseMove(editor.Image->viewport(), QPoint(10, 5));
    EXPECT_TRUE(editor.Image->outlineShown());
    EXPECT_TRUE(editor.Image->pulsing());
    editor.ECursorSize->setValue(2); // a 3 x 3 square: one red column, two blue
    QTest::mouseClick(editor.Image->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(editor.ERGB->text(), QStringLiteral("$5500AA"));

    QWheelEvent notch(QPointF(5, 5), editor.Image->viewport()->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, 120),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(editor.Image->viewport(), &notch);
    EXPECT_EQ(editor.ECursorSize->value(), 3);
    QWheelEvent half(QPointF(5, 5), editor.Image->viewport()->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, 60),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(editor.Image->viewport(), &half);
    EXPECT_EQ(editor.ECursorSize->value(), 3);
    QApplication::sendEvent(editor.Image->viewport(), &half);
    EXPECT_EQ(editor.ECursorSize->value(), 4);
}
