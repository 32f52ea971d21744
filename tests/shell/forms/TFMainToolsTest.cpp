// The tools in the main window, driven with simulated mouse input on the real work view: the
// pointer reaches the core's tool objects, every gesture is one undo step, and undoing them all
// returns the design to where it started. The tools' rules themselves are tested in the core.
#include "model/Design.h"
#include "model/RhodeShapes.h"
#include "shell/forms/TFMain.h"
#include "support/ui/ScriptedDialogs.h"
#include "view/ColorList.h"
#include "view/forms/TColorPanel.h"
#include "view/forms/TWorkView.h"
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {
// The default zoom shows cells of 8 x 8 pixels, the view unscrolled.
QPoint cellPixel(int x, int y)
{
    return {8 * x + 4, 8 * y + 4};
}

QPoint quarterPixel(int qx, int qy)
{
    return {4 * qx + 2, 4 * qy + 2};
}

QPoint pointPixel(int px, int py)
{
    return {4 * px, 4 * py};
}

struct Stitches
{
    QImage cross;
    QImage quarter;
    QList<TBackStitch> backStitches;
    QList<TFrenchKnot> knots;
    int rhodes = 0;
    int usedColors = 0;

    static Stitches of(const Design& d)
    {
        return {d.CrossLayer.image().copy(), d.QuarterLayer.image().copy(), d.BackStitchList, d.FrenchKnotList,
            int(d.RhodeList.size()), d.stitch.usedColors()};
    }
    bool operator==(const Stitches&) const = default;
};

class TFMainTools : public ::testing::Test
{
protected:
    void SetUp() override
    {
        main = std::make_unique<TFMain>();
        main->setDialogs(std::make_unique<ScriptedDialogs>());
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        view = main->Image->viewport();
    }

    Design& design() { return main->design(); }

    void drag(const QList<QPoint>& pixels)
    {
        QTest::mousePress(view, Qt::LeftButton, {}, pixels.first());
        for (qsizetype i = 1; i < pixels.size(); ++i)
            QTest::mouseMove(view, pixels[i]);
        QTest::mouseRelease(view, Qt::LeftButton, {}, pixels.last());
    }
    void click(const QPoint& pixel) { QTest::mouseClick(view, Qt::LeftButton, {}, pixel); }

    // Picks the colour of a row of the colour list with the mouse, as the user does.
    TColorRef pickColourRow(int row)
    {
        QTableView* list = main->PanelLeft->GridColors;
        const QRect rect = list->visualRect(list->model()->index(row, 1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        return design().stitch.drawcolor();
    }

    TColorRef cellColour(int x, int y) { return design().CrossLayer.canvasPixel(x, y); }
    QRgb shownAt(const QPoint& pixel) { return main->Image->frame().pixel(pixel) | 0xFF000000u; }

    std::unique_ptr<TFMain> main;
    QWidget* view = nullptr;
};
} // namespace

TEST_F(TFMainTools, StrokeMergeChainAndKnotAreOneUndoStepEachAndUndoToTheStart)
{
    const Stitches start = Stitches::of(design());
    const TColorRef colour = pickColourRow(2);
    ASSERT_NE(colour, pickColourRow(0));
    pickColourRow(2);
    EXPECT_EQ(design().stitch.drawcolor(), colour);

    // A pen stroke over four cells.
    main->ButtonDraw->trigger();
    drag({cellPixel(2, 2), cellPixel(3, 2), cellPixel(4, 2), cellPixel(5, 3)});
    for (const QPoint& c : {QPoint(2, 2), QPoint(3, 2), QPoint(4, 2), QPoint(5, 3)})
        EXPECT_EQ(cellColour(c.x(), c.y()), colour);
    EXPECT_EQ(shownAt(cellPixel(3, 2)), rgbOf(colour) | 0xFF000000u) << "the view repainted the cell";
    EXPECT_EQ(design().History.count(), 1);

    // Four quarters of one cell in one drag merge into a full stitch.
    main->ButtonDrawQuarter->trigger();
    drag({quarterPixel(20, 20), quarterPixel(21, 20), quarterPixel(20, 21), quarterPixel(21, 21)});
    EXPECT_EQ(cellColour(10, 10), colour);
    EXPECT_TRUE(design().isEmptyQuarter(21, 21));
    EXPECT_EQ(main->statusPanelText(0), QStringLiteral("X: 22  Y: 22")) << "quarter cells while the button is held";
    EXPECT_EQ(design().History.count(), 2);

    // A chain of two back stitches, ended by a click on its last point.
    main->ButtonBackStitchDraw->trigger();
    click(pointPixel(2, 10));
    QTest::mouseMove(view, pointPixel(6, 10));
    EXPECT_EQ(shownAt(pointPixel(4, 10)), rgbOf(colour) | 0xFF000000u) << "the rubber line";
    EXPECT_TRUE(design().BackStitchList.isEmpty());
    click(pointPixel(6, 10));
    click(pointPixel(6, 14));
    click(pointPixel(6, 14));
    click(pointPixel(9, 9));
    QTest::mouseMove(view, pointPixel(13, 9));
    EXPECT_EQ(shownAt(pointPixel(11, 9)), rgbOf(colour) | 0xFF000000u);
    ASSERT_EQ(design().BackStitchList.size(), 2);
    EXPECT_EQ(design().BackStitchList[1].FromPoint, QPoint(6, 10));
    EXPECT_EQ(design().BackStitchList[1].ToPoint, QPoint(6, 14));
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_NE(shownAt(pointPixel(11, 9)), rgbOf(colour) | 0xFF000000u) << "Escape took the rubber line away";
    click(pointPixel(12, 12));
    EXPECT_EQ(design().BackStitchList.size(), 2) << "Escape ended the chain begun at (9, 9)";
    EXPECT_EQ(design().History.count(), 4);

    // A french knot.
    main->ButtonKnot->trigger();
    click(pointPixel(30, 30));
    ASSERT_EQ(design().FrenchKnotList.size(), 1);
    EXPECT_EQ(design().FrenchKnotList[0].Center, QPoint(30, 30));
    EXPECT_EQ(design().History.count(), 5);

    while (main->Undo1->isEnabled())
        main->Undo1->trigger();
    EXPECT_TRUE(Stitches::of(design()) == start);
    EXPECT_EQ(shownAt(cellPixel(3, 2)), shownAt(cellPixel(40, 40))) << "the view shows the empty cell again";
}

// A fast drag reaches the tools as two pointer positions eleven cells apart: the pen and the
// eraser cover every cell between them, in one undo step each, and the colour list shows the
// count the stroke left.
TEST_F(TFMainTools, AFastDragAtZoom700CoversEveryCellBetweenTwoPointerPositions)
{
    main->setZoomIndex(13);
    ASSERT_EQ(main->Image->cellWidth(), 28) << "700 %";
    const auto at = [](int x, int y) { return QPoint(28 * x + 14, 28 * y + 14); };
    const TColorRef colour = pickColourRow(0);
    main->ButtonDraw->trigger();
    drag({at(0, 1), at(10, 1)});
    for (int x = 0; x <= 10; ++x)
        EXPECT_EQ(cellColour(x, 1), colour) << x;
    EXPECT_TRUE(design().isEmptyCell(11, 1));
    EXPECT_EQ(design().History.count(), 1);
    QAbstractItemModel* rows = main->PanelLeft->GridColors->model();
    EXPECT_EQ(rows->data(rows->index(0, 2)).toInt(), 11);

    main->ButtonErase->trigger();
    drag({at(10, 1), at(0, 1)});
    for (int x = 0; x <= 10; ++x)
        EXPECT_TRUE(design().isEmptyCell(x, 1)) << x;
    EXPECT_EQ(design().History.count(), 2);
}

TEST_F(TFMainTools, PressesOutsideTheDesignAndEmptyGesturesRecordNothing)
{
    // The 50 x 50 design ends at pixel 400.
    main->ButtonDraw->trigger();
    drag({QPoint(420, 20), QPoint(430, 30)});
    main->ButtonErase->trigger();
    drag({cellPixel(1, 1), cellPixel(2, 1)});
    main->ButtonKnot->trigger();
    click(QPoint(420, 20));
    EXPECT_EQ(design().History.count(), 0);
    EXPECT_FALSE(main->Undo1->isEnabled());
}

TEST_F(TFMainTools, UndoWhileTheButtonIsHeldRecordsTheStrokeFirst)
{
    main->ButtonDraw->trigger();
    drag({cellPixel(5, 5)});
    const Stitches start = Stitches::of(design());
    QTest::mousePress(view, Qt::LeftButton, {}, cellPixel(1, 1));
    QTest::mouseMove(view, cellPixel(2, 1));
    main->Undo1->trigger();
    QTest::mouseMove(view, cellPixel(3, 1));
    QTest::mouseRelease(view, Qt::LeftButton, {}, cellPixel(3, 1));
    EXPECT_TRUE(Stitches::of(design()) == start);
    EXPECT_TRUE(main->Redo1->isEnabled());
    main->Redo1->trigger();
    EXPECT_FALSE(design().isEmptyCell(2, 1));
    EXPECT_TRUE(design().isEmptyCell(3, 1)) << "the move after the undo drew nothing";
}

TEST_F(TFMainTools, CursorsAndThePenSizeButtonFollowTheMode)
{
    struct Case
    {
        QAction* button;
        TMode mode;
        QPoint hotSpot; // (-1, -1): the arrow
        bool penSize;
    };
    const std::vector<Case> cases = {
        {main->ButtonDraw, modDraw, {2, 29}, true},
        {main->ButtonDrawQuarter, modQDraw, {2, 29}, true},
        {main->ButtonErase, modErase, {4, 27}, true},
        {main->ButtonPipette, modPipette, {2, 29}, false},
        {main->ButtonCursor, modCursor, {16, 16}, false},
        {main->ButtonSwitchColors, modReplaceColor, {-1, -1}, false},
        {main->ButtonKnot, modFrenchKnot, {-1, -1}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.mode));
        c.button->trigger();
        EXPECT_EQ(main->mode(), c.mode);
        const QCursor cursor = view->cursor();
        if (c.hotSpot.x() < 0) {
            EXPECT_EQ(cursor.shape(), Qt::ArrowCursor);
        } else {
            EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
            EXPECT_EQ(cursor.hotSpot(), c.hotSpot);
        }
        EXPECT_EQ(main->DropDownPenSize->isEnabled(), c.penSize);
        EXPECT_FALSE(main->DropDownFillFactor->isEnabled());
    }
    main->ButtonDraw->trigger();
    ASSERT_EQ(main->DropDownPenSize->menu()->actions()[2]->text(), QStringLiteral("3 px"));
    main->DropDownPenSize->menu()->actions()[2]->trigger();
    EXPECT_EQ(design().stitch.pensize(), 3);
    drag({cellPixel(5, 5)});
    EXPECT_EQ(cellColour(5, 4), design().stitch.drawcolor());
    EXPECT_TRUE(design().isEmptyCell(4, 4)) << "a plus, no corners";
}

TEST_F(TFMainTools, RhodesPopUpPlacesTheChosenShape)
{
    const RhodeShapes& shapes = main->rhodeShapes();
    ASSERT_GT(shapes.size(), 1) << "the shipped shapes are loaded at start-up";
    QMenu* popup = main->ButtonRhode->menu();
    ASSERT_EQ(popup->actions().size(), shapes.size());
    EXPECT_EQ(popup->actions()[1]->text(), shapes.at(1)->name);
    EXPECT_EQ(main->ILRhodes.size(), shapes.size());
    EXPECT_TRUE(main->ButtonRhode->isEnabled());

    popup->actions()[1]->trigger();
    EXPECT_EQ(main->mode(), modRhode);
    EXPECT_EQ(shapes.currentIndex(), 1);
    click(pointPixel(40, 40));
    ASSERT_EQ(design().RhodeList.size(), 1);
    EXPECT_EQ(design().RhodeList[0]->stitches.size(), shapes.at(1)->stitches.size());
    click(pointPixel(0, 0));
    EXPECT_EQ(design().RhodeList.size(), 1) << "a shape reaching off the design is not placed";
    EXPECT_EQ(design().History.count(), 1);
    QTest::mouseMove(view, pointPixel(7, 3));
    EXPECT_EQ(main->statusPanelText(0), QStringLiteral("X: 8  Y: 4")) << "half-cell points";
}

TEST_F(TFMainTools, PipetteAndReplaceColourWithTheMouse)
{
    const TColorRef first = pickColourRow(0);
    main->ButtonDraw->trigger();
    drag({cellPixel(1, 1), cellPixel(2, 1)});
    const TColorRef second = pickColourRow(3);
    main->ButtonPipette->trigger();
    drag({cellPixel(2, 1), QPoint(420, 10)});
    EXPECT_EQ(design().stitch.drawcolor(), first) << "released outside, the colour picked inside stays";

    pickColourRow(3);
    main->ButtonSwitchColors->trigger();
    click(cellPixel(1, 1));
    EXPECT_EQ(cellColour(1, 1), second);
    EXPECT_EQ(cellColour(2, 1), second);
    EXPECT_EQ(design().History.count(), 2);
}

TEST_F(TFMainTools, TheCursorToolDragsTheDesignAlong)
{
    main->ButtonCursor->trigger();
    main->Image->scrollTo(10, 10);
    drag({cellPixel(4, 5), cellPixel(2, 1)});
    EXPECT_EQ(main->Image->geometry().h, 12);
    EXPECT_EQ(main->Image->geometry().v, 14);
    EXPECT_EQ(design().History.count(), 0);
}

TEST_F(TFMainTools, ReplacingTheDesignDropsTheGestureInProgress)
{
    auto* dialogs = new ScriptedDialogs;
    main->setDialogs(std::unique_ptr<MainDialogs>(dialogs));
    NewDesignChoice small;
    small.width = 10;
    small.height = 10;
    dialogs->newDesigns << small;
    main->ButtonBackStitchDraw->trigger();
    click(pointPixel(2, 2));
    QTest::mouseMove(view, pointPixel(6, 6));
    main->ButtonDraw->trigger();
    QTest::mousePress(view, Qt::LeftButton, {}, cellPixel(1, 1));
    QTest::mouseMove(view, cellPixel(2, 1));
    main->MenuNewClick();
    ASSERT_EQ(design().width(), 10);
    QTest::mouseMove(view, cellPixel(3, 1));
    QTest::mouseRelease(view, Qt::LeftButton, {}, cellPixel(3, 1));
    EXPECT_EQ(design().History.count(), 0);
    EXPECT_TRUE(design().isEmptyCell(3, 1)) << "the stroke ended with the design it began on";
    EXPECT_TRUE(main->Image->options().preview.isEmpty());
}

// A filled rectangle chosen from the fill-factor button's pop-up, previewed while the pointer
// moves and drawn by two clicks, is one undo step; the rectangle and circle buttons then repeat
// the filled choice.
TEST_F(TFMainTools, AFilledRectangleFromTheFillFactorMenuIsOneUndoStep)
{
    const Stitches start = Stitches::of(design());
    const TColorRef colour = pickColourRow(1);
    const QRgb shown = rgbOf(colour) | 0xFF000000u;
    main->ButtonDrawRectangle->trigger();
    ASSERT_TRUE(main->DropDownFillFactor->isEnabled());
    ASSERT_EQ(main->DropDownFillFactor->menu(), main->PopupRectangle);
    EXPECT_EQ(main->DropDownFillFactor->toolTip(), QStringLiteral("Empty rectangle"));
    ASSERT_EQ(main->PopupRectangle->actions()[1]->text(), QStringLiteral("Filled rectangle"));
    main->PopupRectangle->actions()[1]->trigger();
    EXPECT_EQ(main->fillMode(), fillFull);
    EXPECT_EQ(main->DropDownFillFactor->toolTip(), QStringLiteral("Filled rectangle"));

    click(cellPixel(2, 2));
    QTest::mouseMove(view, cellPixel(5, 4));
    EXPECT_EQ(shownAt(cellPixel(4, 3)), shown) << "the preview";
    EXPECT_TRUE(design().isEmptyCell(4, 3)) << "the preview is not the design";
    click(cellPixel(5, 4));
    for (int y = 2; y <= 4; ++y) {
        for (int x = 2; x <= 5; ++x)
            EXPECT_EQ(cellColour(x, y), colour) << x << "," << y;
    }
    EXPECT_EQ(shownAt(cellPixel(3, 3)), shown);
    EXPECT_EQ(design().History.count(), 1);

    main->Undo1->trigger();
    EXPECT_TRUE(Stitches::of(design()) == start);
    EXPECT_EQ(shownAt(cellPixel(3, 3)), shownAt(cellPixel(40, 40))) << "the view shows the empty cells again";

    main->ButtonDraw->trigger();
    EXPECT_FALSE(main->DropDownFillFactor->isEnabled());
    main->ButtonDrawCircle->trigger();
    EXPECT_EQ(main->fillMode(), fillFull);
    EXPECT_EQ(main->DropDownFillFactor->menu(), main->PopupCircle);
    EXPECT_EQ(main->DropDownFillFactor->toolTip(), QStringLiteral("Filled circle"));
    main->PopupCircle->actions()[0]->trigger();
    EXPECT_EQ(main->fillMode(), fillNone);
    main->ButtonDrawRectangle->trigger();
    EXPECT_EQ(main->DropDownFillFactor->toolTip(), QStringLiteral("Empty rectangle"));
}

// The corner pop-up of the border tools, the outline tool showing back stitches, and Escape
// dropping a line's first point and its preview.
TEST_F(TFMainTools, BorderCornersOutlineAndTheLinesEscape)
{
    main->ButtonOutlineBorder->trigger();
    ASSERT_EQ(main->DropDownFillFactor->menu(), main->PopupOutlineBorder);
    EXPECT_FALSE(main->cornerRound()) << "every start sets sharp corners";
    EXPECT_EQ(main->DropDownFillFactor->toolTip(), QStringLiteral("Corner sharp"));
    main->PopupOutlineBorder->actions()[0]->trigger();
    EXPECT_TRUE(main->cornerRound());
    EXPECT_EQ(main->DropDownFillFactor->toolTip(), QStringLiteral("Corner round"));
    EXPECT_EQ(main->mode(), modOutlineBorder);
    main->ButtonInlineBorder->trigger();
    EXPECT_EQ(main->DropDownFillFactor->toolTip(), QStringLiteral("Corner round"));

    main->ButtonBackStitch->trigger();
    ASSERT_FALSE(main->ButtonBackStitch->isChecked());
    main->ButtonOutline->trigger();
    EXPECT_EQ(main->mode(), modOutline);
    EXPECT_TRUE(main->ButtonBackStitch->isChecked()) << "the outline's back stitches are shown";

    const QRgb shown = rgbOf(pickColourRow(1)) | 0xFF000000u;
    main->ButtonDrawLine->trigger();
    click(cellPixel(1, 1));
    QTest::mouseMove(view, cellPixel(6, 1));
    EXPECT_EQ(shownAt(cellPixel(4, 1)), shown);
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_NE(shownAt(cellPixel(4, 1)), shown) << "Escape took the preview away";
    click(cellPixel(8, 8));
    EXPECT_EQ(design().History.count(), 0) << "the click after Escape is a new first point";
}
