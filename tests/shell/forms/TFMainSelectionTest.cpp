// The selection in the main window, driven with simulated input on the real work view: the
// frame, the clipboard commands and their shortcuts, floating content, merging and undo. The
// rules themselves are tested in the core (SelectionOperations, RubberResize).
#include "editing/SelectionSession.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"
#include "shell/forms/TFMain.h"
#include "support/ui/ScriptedDialogs.h"
#include "view/forms/TWorkView.h"
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
// The default zoom shows cells of 8 x 8 pixels, the view unscrolled.
QPoint cellPixel(int x, int y)
{
    return {8 * x + 4, 8 * y + 4};
}

class TFMainSelection : public ::testing::Test
{
protected:
    void SetUp() override
    {
        main = std::make_unique<TFMain>();
        dialogs = new ScriptedDialogs;
        main->setDialogs(std::unique_ptr<MainDialogs>(dialogs));
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        main->activateWindow();
        view = main->Image->viewport();
        colour = main->design().stitch.drawcolor();
        StitchOperations ops(main->design());
        ops.updatePixel(1, 1, true, colour);
        ops.updatePixel(2, 2, true, colour);
    }

    void drag(const QPoint& from, const QPoint& to)
    {
        QTest::mousePress(view, Qt::LeftButton, {}, from);
        QTest::mouseMove(view, (from + to) / 2);
        QTest::mouseMove(view, to);
        QTest::mouseRelease(view, Qt::LeftButton, {}, to);
    }
    void key(int k, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(main.get(), Qt::Key(k), modifiers); }
    const TRect& frame() const { return main->selection().SelectionRect(); }
    bool stitched(int x, int y) { return !main->design().isEmptyCell(x, y); }

    std::unique_ptr<TFMain> main;
    ScriptedDialogs* dialogs = nullptr;
    QWidget* view = nullptr;
    TColorRef colour = 0;
};
} // namespace

TEST_F(TFMainSelection, CopyCutPasteMoveMergeAndUndoWithKeysAndPointer)
{
    main->ButtonSelection->trigger();
    EXPECT_EQ(frame(), (TRect{0, 0, 10, 10}));
    EXPECT_TRUE(main->Timer1->isActive());
    EXPECT_TRUE(main->MenuCopy->isEnabled());
    EXPECT_FALSE(main->MenuPaste->isEnabled());
    EXPECT_FALSE(main->MenuMerge->isEnabled());

    key(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* offered = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    ASSERT_NE(offered, nullptr);
    EXPECT_EQ(qvariant_cast<QImage>(offered->imageData()).width(), 10 * main->Image->cellWidth());
    EXPECT_TRUE(main->MenuPaste->isEnabled());

    // The bottom-right handle, dragged from the frame's corner to the corner of cell (4, 2).
    drag(QPoint(80, 80), QPoint(40, 24));
    EXPECT_EQ(frame(), (TRect{0, 0, 5, 3}));
    // The frame is painted over the design: a red handle at its corner.
    const QImage shown = view->grab().toImage();
    EXPECT_EQ(shown.pixel(40, 24), 0xFFFF0000u);

    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(stitched(1, 1) || stitched(2, 2));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(main->selection().floating());
    EXPECT_TRUE(main->MenuMerge->isEnabled() && main->ButtonRotateRight->isEnabled());

    drag(cellPixel(2, 1), cellPixel(12, 6));
    EXPECT_EQ(frame(), (TRect{10, 5, 15, 8}));
    const QImage rendered = main->Image->frame();
    EXPECT_EQ(rendered.pixel(cellPixel(11, 6)), rgbOf(colour) | 0xFF000000u) << "floating content is drawn";
    EXPECT_FALSE(stitched(11, 6)) << "and only floats";

    key(Qt::Key_Return);
    EXPECT_TRUE(stitched(11, 6) && stitched(12, 7));
    EXPECT_TRUE(main->selection().floating()) << "merged content floats on";

    main->Undo1->trigger();
    EXPECT_FALSE(stitched(11, 6));
    main->Undo1->trigger();
    EXPECT_TRUE(stitched(1, 1) && stitched(2, 2));

    key(Qt::Key_Escape);
    EXPECT_EQ(main->mode(), modDraw);
    EXPECT_FALSE(main->Timer1->isActive());
    EXPECT_TRUE(main->MenuPaste->isEnabled()) << "leaving the mode keeps the buffer";

    NewDesignChoice small;
    small.width = 10;
    small.height = 10;
    dialogs->newDesigns << small;
    dialogs->answers << Answer::No; // do not save the changed design
    main->MenuNewClick();
    ASSERT_EQ(main->design().width(), 10);
    EXPECT_FALSE(main->MenuPaste->isEnabled()) << "content never crosses to another design";
}
