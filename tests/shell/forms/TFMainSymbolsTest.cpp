// The symbol commands of the Tools menu and of the colour list's context menu reach their
// windows, and a new symbol shows at once in the colour list and the current-colour panel.
#include "editors/forms/TFChangeCharacter.h"
#include "editors/forms/TFCharacters.h"
#include "model/Design.h"
#include "shell/Paths.h"
#include "shell/forms/TFMain.h"
#include "support/ui/ScriptedDialogs.h"
#include "view/ColorList.h"
#include "view/forms/ColorListModel.h"
#include "view/forms/TColorPanel.h"
#include "view/forms/TWorkView.h"
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// Runs `look` on the modal window that the command opens, then closes it; counts the windows.
template <class Window>
void whenShown(int& shown, std::function<void(Window&)> look)
{
    QTimer::singleShot(0, [&shown, look] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!window)
            return;
        ++shown;
        look(*window);
        if (window->isVisible())
            static_cast<QDialog*>(window)->reject();
    });
}

class TFMainSymbols : public testing::Test
{
protected:
    void SetUp() override
    {
        main.setDialogs(std::unique_ptr<MainDialogs>(dialogs));
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    }

    // A stitch in the drawing colour through the pen, as the user makes one.
    void stitchOneCell()
    {
        main.ButtonDraw->trigger();
        QTest::mouseClick(main.Image->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
    }

    ScriptedDialogs* dialogs = new ScriptedDialogs;
    TFMain main;
};
} // namespace

TEST_F(TFMainSymbols, CharactersEditorOpensANewSet)
{
    int shown = 0, rows = -1;
    whenShown<TFCharacters>(shown, [&rows](TFCharacters& editor) { rows = editor.ListViewAll->model()->rowCount(); });
    main.MenuCharactersEditor->trigger();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(rows, 534);
    EXPECT_TRUE(dialogs->informed.isEmpty()) << "no \"not available\" message";
}

TEST_F(TFMainSymbols, ChangeCharacterOpensOnlyForAColourWithStitchesAndShowsTheNewSymbolAtOnce)
{
    Design& d = main.design();
    int shown = 0;
    whenShown<TFChangeCharacter>(shown, [](TFChangeCharacter&) {});
    main.MenuChangecharacter->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(shown, 0) << "the drawing colour has no stitches";

    stitchOneCell();
    const TColorRef colour = d.stitch.drawcolor();
    const int old = d.stitch.Colors.at(colour).charID;
    ASSERT_GE(old, 0);
    d.stitch.setFileSaved(true);
    int chosen = -1;
    whenShown<TFChangeCharacter>(shown, [&](TFChangeCharacter& dialog) {
        // The first free symbol after the colour's own.
        for (chosen = old + 1; chosen < 625; ++chosen) {
            const QModelIndex cell = dialog.Grid->model()->index(chosen / 25, chosen % 25);
            QTest::mouseClick(dialog.Grid->viewport(), Qt::LeftButton, {}, dialog.Grid->visualRect(cell).center());
            if (dialog.BOK->isEnabled())
                break;
        }
        QTest::mouseClick(dialog.BOK, Qt::LeftButton);
    });
    Q_EMIT main.PanelLeft->changeCharacterRequested();
    EXPECT_EQ(shown, 1);
    const QChar symbol = d.stitch.chars->fcharacters.at(chosen);
    EXPECT_EQ(d.stitch.Colors.at(colour).charID, chosen);
    EXPECT_FALSE(d.stitch.fileSaved());
    EXPECT_TRUE(main.isWindowModified());
    EXPECT_EQ(main.PanelLeft->PanelForeground->text(), QString(symbol));
    const ColorList* list = static_cast<ColorListModel*>(main.PanelLeft->GridColors->model())->list();
    const int row = list->rowOf(colour);
    ASSERT_GE(row, 0);
    EXPECT_EQ(list->rows()[row].Symbol, symbol) << "the colour list row";
}

TEST_F(TFMainSymbols, ASetSavedInTheEditorIsOfferedForTheNextNewDesign)
{
    int shown = 0;
    whenShown<TFCharacters>(shown, [](TFCharacters& editor) {
        editor.chooseSaveFile = [](const QString&, const QString&) { return QStringLiteral("saved-in-editor"); };
        QTest::keyClicks(editor.EName, QStringLiteral("Saved in the editor"));
        editor.ListViewAll->selectionModel()->select(editor.ListViewAll->model()->index(0, 0), QItemSelectionModel::Select);
        QTest::mouseClick(editor.ButtonAdd, Qt::LeftButton);
        editor.ToolSave->trigger();
    });
    main.MenuCharactersEditor->trigger();
    ASSERT_EQ(shown, 1);
    const QString file = Paths::userCharactersFolder() + QStringLiteral("saved-in-editor.chr");
    ASSERT_TRUE(QFile::exists(file));

    dialogs->answers = {Answer::No};
    dialogs->newDesigns = {NewDesignChoice()};
    main.MenuNewClick();
    EXPECT_TRUE(main.design().stitch.characters.contains(QStringLiteral("Saved in the editor")));
    QFile::remove(file);
}
