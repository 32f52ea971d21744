// The palette editor commands of the Tools menu reach the editor and the palette list.
#include "editors/forms/TFChoosePalette.h"
#include "editors/forms/TFPaletteEditor.h"
#include "shell/forms/TFMain.h"
#include "support/ui/ScriptedDialogs.h"
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {
// Runs `look` on the modal window that the command opens, then closes that window.
template <class Window>
void whenShown(std::function<void(Window&)> look)
{
    QTimer::singleShot(0, [look] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        look(*window);
        static_cast<QDialog*>(window)->reject();
    });
}
} // namespace

TEST(TFMainPalettes, NewPaletteOpensAnEmptyEditorAndEditPaletteTheListOfShippedPalettes)
{
    TFMain main;
    main.setDialogs(std::make_unique<ScriptedDialogs>());
    main.show();

    QString fileName;
    whenShown<TFPaletteEditor>([&fileName](TFPaletteEditor& editor) { fileName = editor.EPaletteFileName->text(); });
    main.MenuNewPalette->trigger();
    EXPECT_EQ(fileName, QStringLiteral("New Palette.ctb"));

    int rows = -1;
    bool okWithoutRow = true;
    whenShown<TFChoosePalette>([&](TFChoosePalette& list) {
        rows = list.ListView->topLevelItemCount();
        list.ListView->setCurrentItem(nullptr);
        okWithoutRow = list.ButtonOK->isEnabled();
    });
    main.MenuEditPalette->trigger();
    EXPECT_EQ(rows, 2);
    EXPECT_FALSE(okWithoutRow);
}
