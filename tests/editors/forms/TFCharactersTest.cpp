// The symbol set editor driven with simulated input on its real controls; its questions and
// file dialogs are answered by the test instead of modal loops.
#include "editors/forms/TFCharacters.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class TFCharactersTest : public testing::Test
{
protected:
    TFCharactersTest()
    {
        editor.setFolders(user(), dir.filePath(QStringLiteral("shipped/")));
        editor.askYesNoCancel = [this](const QString& question) {
            asked << question;
            return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
        };
        editor.askYesNo = [this](const QString& question) {
            asked << question;
            return true;
        };
        editor.inform = [this](const QString& message) { shown << message; };
        editor.showWarning = [this](const QString& message) { shown << message; };
        editor.chooseOpenFile = [this](const QString& folder) {
            folders << folder;
            return openName;
        };
        editor.chooseSaveFile = [this](const QString& folder, const QString&) {
            folders << folder;
            return saveName;
        };
        editor.FormShow();
        editor.show();
    }

    QString user() const { return dir.filePath(QStringLiteral("user/characters/")); }

    // Clicks rows of a list, holding Ctrl after the first, as a user selects several.
    static void clickRows(QListView* view, const QList<int>& rows)
    {
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const QRect rect = view->visualRect(view->model()->index(rows[i], 0));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, i == 0 ? Qt::NoModifier : Qt::ControlModifier, rect.center());
        }
    }

    static QList<int> codes(const QListView* view)
    {
        QList<int> result;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            result << view->model()->index(row, 0).data(Qt::UserRole).toInt();
        return result;
    }

    static QList<int> selected(const QListView* view)
    {
        QList<int> rows;
        for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
            rows << index.row();
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    QTemporaryDir dir;
    TFCharacters editor;
    QList<Answer> answers;
    QStringList asked, shown, folders;
    QString openName, saveName;
};

bool writeFile(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Whether any pixel of the rectangle of the image is darker than mid-grey.
bool hasInk(const QImage& image, const QRect& rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                return true;
        }
    }
    return false;
}
} // namespace

TEST_F(TFCharactersTest, TheButtonsAndDoubleClicksMoveTheSelectedCodes)
{
    EXPECT_EQ(editor.ListViewAll->model()->rowCount(), 534);
    EXPECT_EQ(editor.ListViewChars->model()->rowCount(), 0);
    EXPECT_EQ(editor.ComboFont->currentText(), QStringLiteral("VelwickArtSymbols110"));
    EXPECT_TRUE(editor.CheckShowIDs->isChecked());

    clickRows(editor.ListViewAll, {0, 2, 3});
    QTest::mouseClick(editor.ButtonAdd, Qt::LeftButton);
    EXPECT_EQ(codes(editor.ListViewChars), QList<int>({33, 35, 36}));
    EXPECT_EQ(selected(editor.ListViewChars), QList<int>({0, 1, 2}));
    EXPECT_EQ(selected(editor.ListViewAll), QList<int>({0}));
    EXPECT_EQ(codes(editor.ListViewAll).first(), 34);

    clickRows(editor.ListViewChars, {2});
    QTest::mouseClick(editor.ButtonUp, Qt::LeftButton);
    QTest::mouseClick(editor.ButtonUp, Qt::LeftButton);
    QTest::mouseClick(editor.ButtonUp, Qt::LeftButton);
    EXPECT_EQ(codes(editor.ListViewChars), QList<int>({36, 33, 35}));
    EXPECT_EQ(selected(editor.ListViewChars), QList<int>({0}));

    const QRect row = editor.ListViewChars->visualRect(editor.ListViewChars->model()->index(1, 0));
    QTest::mouseClick(editor.ListViewChars->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(editor.ListViewChars->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(codes(editor.ListViewChars), QList<int>({36, 35}));
    EXPECT_EQ(codes(editor.ListViewAll).first(), 33);

    QTest::mouseClick(editor.ButtonAddAll, Qt::LeftButton);
    EXPECT_EQ(editor.ListViewAll->model()->rowCount(), 0);
    QTest::mouseClick(editor.ButtonRemoveAll, Qt::LeftButton);
    EXPECT_EQ(editor.ListViewChars->model()->rowCount(), 0);
    EXPECT_EQ(codes(editor.ListViewAll).mid(0, 4), QList<int>({33, 34, 35, 36}));
}

TEST_F(TFCharactersTest, SavingWritesIntoTheUserFolderAndClosingAsksOnlyForUnsavedSymbols)
{
    clickRows(editor.ListViewAll, {32});
    QTest::mouseClick(editor.ButtonAdd, Qt::LeftButton);
    editor.ToolSave->trigger();
    EXPECT_EQ(shown, QStringList(QStringLiteral("Please enter name for the character set.")));
    EXPECT_TRUE(folders.isEmpty());

    QTest::keyClicks(editor.EName, QStringLiteral("Letters"));
    saveName = QStringLiteral("letters");
    editor.ToolSave->trigger();
    EXPECT_EQ(folders, QStringList(user()));
    EXPECT_TRUE(QFile::exists(user() + QStringLiteral("letters.chr")));

    // Saved: closing asks nothing.
    editor.close();
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_FALSE(editor.isVisible());

    editor.show();
    QTest::keyClicks(editor.EDescrioption, QStringLiteral("Capitals"));
    answers = {Answer::Cancel, Answer::No};
    editor.close();
    EXPECT_TRUE(editor.isVisible()) << "Cancel keeps the editor open";
    QTest::keyClick(&editor, Qt::Key_Escape);
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(asked, QStringList({QStringLiteral("Data is not saved, save now?"), QStringLiteral("Data is not saved, save now?")}));
}

TEST_F(TFCharactersTest, OpeningShowsTheSetAndABadFileLeavesTheEditorAsItWas)
{
    QTest::keyClicks(editor.EName, QStringLiteral("Mine"));
    clickRows(editor.ListViewAll, {0});
    QTest::mouseClick(editor.ButtonAdd, Qt::LeftButton);
    answers = {Answer::No, Answer::No};

    openName = dir.filePath(QStringLiteral("bad.chr"));
    ASSERT_TRUE(writeFile(openName, "Bad\r\n\r\nFont,,53\r\n65\r\nx\r\n"));
    editor.ToolOpen->trigger();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains(QStringLiteral("line 5")));
    EXPECT_EQ(editor.EName->text(), QStringLiteral("Mine"));
    EXPECT_EQ(codes(editor.ListViewChars), QList<int>({33}));

    openName = dir.filePath(QStringLiteral("good.chr"));
    ASSERT_TRUE(writeFile(openName, "Good\r\nTwice\r\n\"No Such Font Family\",,53\r\n66\r\n65\r\n66\r\n"));
    editor.ToolOpen->trigger();
    EXPECT_EQ(editor.EName->text(), QStringLiteral("Good"));
    EXPECT_EQ(editor.EDescrioption->text(), QStringLiteral("Twice"));
    EXPECT_EQ(editor.ComboFont->currentText(), QStringLiteral("No Such Font Family")) << "the set keeps its font";
    EXPECT_EQ(codes(editor.ListViewChars), QList<int>({66, 65}));
    EXPECT_EQ(codes(editor.ListViewAll).last(), 499);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[1].endsWith(QStringLiteral(": 66")));
    EXPECT_TRUE(editor.document().FileSaved) << "showing an opened set changes nothing";
    EXPECT_EQ(folders, QStringList({user(), user()}));
}

TEST_F(TFCharactersTest, RowsShowTheGlyphADottedBoxForNoGlyphAndTheIdOnlyWhileTicked)
{
    editor.ComboFont->setCurrentText(QStringLiteral("DejaVu Sans"));
    const QList<int> all = codes(editor.ListViewAll);
    clickRows(editor.ListViewAll, {int(all.indexOf(87)), int(all.indexOf(173))}); // "W" and the soft hyphen
    QTest::mouseClick(editor.ButtonAdd, Qt::LeftButton);
    editor.ListViewChars->clearSelection();
    const QListView* view = editor.ListViewChars;
    const QRect w = view->visualRect(view->model()->index(0, 0));
    const QRect soft = view->visualRect(view->model()->index(1, 0));
    const auto glyphBox = [](const QRect& row) { return QRect(row.left() + 4, row.top() + 2, 22, row.height() - 4); };
    const auto idBox = [](const QRect& row) { return QRect(row.left() + 40, row.top(), 40, row.height()); };

    QImage shot = editor.ListViewChars->viewport()->grab().toImage();
    EXPECT_TRUE(hasInk(shot, glyphBox(w)));
    EXPECT_TRUE(hasInk(shot, idBox(w)));
    // The dotted box: ink on its edge, none inside.
    const QRect box = glyphBox(soft).adjusted(2, 2, -3, -3);
    EXPECT_TRUE(hasInk(shot, QRect(box.left(), box.top(), box.width(), 1)));
    EXPECT_FALSE(hasInk(shot, box.adjusted(2, 2, -2, -2)));

    editor.CheckShowIDs->click();
    shot = editor.ListViewChars->viewport()->grab().toImage();
    EXPECT_TRUE(hasInk(shot, glyphBox(w)));
    EXPECT_FALSE(hasInk(shot, idBox(w)));
}
