// The print colour corrections dialog driven as a user drives it: an override typed in place,
// "Close" writing the user's file, the close box writing nothing, and the shipped file never
// touched.
#include "editors/forms/CMYKCellDelegate.h"
#include "editors/forms/TFCMYK.h"
#include "files/CMYKFile.h"
#include "model/CMYKConversion.h"
#include "shell/CMYKTable.h"
#include "shell/Paths.h"
#include "support/TestDesigns.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kDarkBlue = 0x400000;

QByteArray bytes(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class TFCMYKTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir(Paths::userPalettesFolder()).removeRecursively();
        design = TestDesigns::empty(2, 2, {kRed, kDarkBlue});
        design->stitch.PalettesPath = shipped.path() + QLatin1Char('/');
        TCMYKMap shippedMap;
        shippedMap.insert(0xFF123456u, CMYKConversion::correction(5, 5, 5, 5));
        ASSERT_TRUE(CMYKFile::save(shippedFile(), shippedMap));
        shippedBytes = bytes(shippedFile());
        dialog.setErrorSink([this](const QString& message) { errors << message; });
        dialog.FormShow(design->stitch, {});
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }
    void TearDown() override
    {
        EXPECT_EQ(bytes(shippedFile()), shippedBytes);
        QFile::remove(Paths::userPalettesFolder().chopped(1));
        QDir(Paths::userPalettesFolder()).removeRecursively();
    }

    QString shippedFile() const { return shipped.filePath(QStringLiteral("CMYK.ini")); }
    QString userFile() const { return Paths::userPalettesFolder() + QStringLiteral("CMYK.ini"); }

    // Double-clicks a cell; returns the editor that opened, if any.
    QLineEdit* openEditor(int row, int column)
    {
        QTableWidget* grid = dialog.GridColors;
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        return qobject_cast<QLineEdit*>(grid->indexWidget(grid->model()->index(row, column)));
    }

    void typeOverride(int row, const QString& text)
    {
        QLineEdit* editor = openEditor(row, CMYKCellDelegate::kEditColumn);
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        // Enter commits the cell (the view does it from its queue) and must not press "Close".
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        EXPECT_TRUE(dialog.isVisible());
    }

    QTemporaryDir shipped;
    QByteArray shippedBytes;
    std::unique_ptr<Design> design;
    TFCMYK dialog;
    QStringList errors;
};
} // namespace

TEST_F(TFCMYKTest, TypedOverrideChangesTheCorrectionsAndCloseWritesTheUsersFile)
{
    typeOverride(0, QStringLiteral("0, 0 ,0,100"));
    const TCMYK black = CMYKConversion::correction(0, 0, 0, 100);
    EXPECT_EQ(design->stitch.CMYK.value(0xFFFF0000u), black);
    EXPECT_EQ(dialog.rows()[0].NewRGBColor, QStringLiteral("#000000"));
    EXPECT_EQ(dialog.GridColors->item(0, CMYKCellDelegate::kEditColumn)->text(), QStringLiteral("0, 0 ,0,100"));
    EXPECT_FALSE(QFile::exists(userFile()));

    QTest::mouseClick(dialog.BOK, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(bytes(userFile()), CMYKFile::format(design->stitch.CMYK));
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(TFCMYKTest, InvalidTextRemovesTheOverrideAndOnlyTheLastColumnEdits)
{
    typeOverride(1, QStringLiteral("1,2,3,4"));
    ASSERT_EQ(design->stitch.CMYK.size(), 1);
    typeOverride(1, QStringLiteral("1,2,3,101"));
    EXPECT_TRUE(design->stitch.CMYK.isEmpty());
    EXPECT_TRUE(dialog.GridColors->item(1, CMYKCellDelegate::kEditColumn)->text().isEmpty());
    for (int column = 0; column < CMYKCellDelegate::kEditColumn; ++column) {
        SCOPED_TRACE(column);
        EXPECT_EQ(openEditor(0, column), nullptr);
    }
}

TEST_F(TFCMYKTest, CloseBoxWritesNothing)
{
    typeOverride(0, QStringLiteral("1,2,3,4"));
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(QFile::exists(userFile()));
    EXPECT_EQ(design->stitch.CMYK.size(), 1);
}

TEST_F(TFCMYKTest, FailedWriteShowsTheErrorAndKeepsTheDialogOpen)
{
    // The user's palettes folder cannot be made: a plain file has its name.
    const QString palettes = Paths::userPalettesFolder().chopped(1);
    QDir().mkpath(QFileInfo(palettes).path());
    QFile blocker(palettes);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    typeOverride(0, QStringLiteral("1,2,3,4"));
    QTest::mouseClick(dialog.BOK, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("CMYK.ini")));
    EXPECT_EQ(design->stitch.CMYK.size(), 1);
}

TEST_F(TFCMYKTest, RowsShowSwatchesAndTheEditableColumnOnLightBlue)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Adjust CMYK color dialog"));
    ASSERT_EQ(dialog.GridColors->rowCount(), 2);
    EXPECT_EQ(dialog.GridColors->rowHeight(0), 24);
    EXPECT_EQ(dialog.GridColors->columnWidth(CMYKCellDelegate::kEditColumn), 100);
    EXPECT_EQ(dialog.GridColors->item(0, 2)->text(), QStringLiteral("#FF0000"));
    EXPECT_EQ(dialog.GridColors->item(0, 3)->text(), QStringLiteral("0,100,100,0"));
    const QImage picture = dialog.GridColors->viewport()->grab().toImage();
    const QRect swatch = dialog.GridColors->visualRect(dialog.GridColors->model()->index(1, 0));
    const QRect edit = dialog.GridColors->visualRect(dialog.GridColors->model()->index(1, CMYKCellDelegate::kEditColumn));
    EXPECT_EQ(picture.pixelColor(swatch.topLeft() + QPoint(2, 2)), QColor(0x00, 0x00, 0x40));
    EXPECT_EQ(picture.pixelColor(edit.bottomRight() - QPoint(2, 2)), QColor(0xD6, 0xE9, 0xFE));
}

TEST_F(TFCMYKTest, HelpAsksForItsTopic)
{
    QSignalSpy help(&dialog, &TFCMYK::helpRequested);
    QTest::mouseClick(dialog.BHelp, Qt::LeftButton);
    ASSERT_EQ(help.size(), 1);
    EXPECT_EQ(help[0][0].toInt(), 3150);
}
