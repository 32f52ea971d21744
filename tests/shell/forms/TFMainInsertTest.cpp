// The insert tool in the main window: the dialog arms it for one press on the real work view,
// the press inserts and is one undo step, and the release hands back the mode it came from.
#include "editing/ClipboardBuffer.h"
#include "editing/SelectionSession.h"
#include "editing/StitchOperations.h"
#include "editing/forms/TFInsert.h"
#include "editing/forms/TFText.h"
#include <QLineEdit>
#include <QPushButton>
#include "model/Design.h"
#include "shell/forms/TFMain.h"
#include "support/ui/ScriptedMain.h"
#include "view/forms/TWorkView.h"
#include <QAction>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class TFMainInsert : public ::testing::Test
{
protected:
    void SetUp() override
    {
        main = std::make_unique<TFMain>();
        dialogs = installScriptedDialogs(*main);
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        main->ButtonDraw->trigger();
    }

    Design& design() { return main->design(); }
    // The default zoom shows cells of 8 x 8 pixels, the view unscrolled.
    void clickCell(int x, int y) { QTest::mouseClick(main->Image->viewport(), Qt::LeftButton, {}, {8 * x + 4, 8 * y + 4}); }

    std::unique_ptr<TFMain> main;
    ScriptedDialogs* dialogs = nullptr;
};
} // namespace

TEST(TFInsert, StartsWithOneRowAndKeepsTheAmountInRange)
{
    TFInsert dialog;
    EXPECT_TRUE(dialog.RRow->isChecked());
    EXPECT_FALSE(dialog.RColumn->isChecked());
    EXPECT_EQ(dialog.Edit1->value(), 1);
    dialog.Edit1->setValue(0);
    EXPECT_EQ(dialog.Edit1->value(), 1);
    dialog.Edit1->setValue(40000);
    EXPECT_EQ(dialog.Edit1->value(), 32767);
}

TEST_F(TFMainInsert, OnePressInsertsColumnsAndReturnsToTheModeBefore)
{
    const TColorRef colour = design().stitch.Colors.keys().front();
    StitchOperations(design()).updatePixel(3, 0, false, colour);
    const int width = design().width();

    dialogs->insertions << InsertChoice{true, 2};
    main->ButtonInsert->trigger();
    EXPECT_EQ(main->mode(), modInsert);
    clickCell(3, 5);
    EXPECT_EQ(design().width(), width + 2);
    EXPECT_TRUE(design().isEmptyCell(3, 0));
    EXPECT_EQ(design().CrossLayer.canvasPixel(5, 0), colour) << "the clicked column moved right";
    EXPECT_EQ(design().History.count(), 1);
    EXPECT_EQ(main->mode(), modDraw);
    EXPECT_TRUE(main->ButtonDraw->isChecked());

    main->Undo1->trigger();
    EXPECT_EQ(design().width(), width);
    EXPECT_EQ(design().CrossLayer.canvasPixel(3, 0), colour);
}

TEST_F(TFMainInsert, CancelLeavesTheToolAndAnInsertionBeyondTheLimitsIsRefusedWithAMessage)
{
    main->ButtonInsert->trigger();
    EXPECT_EQ(main->mode(), modDraw);
    EXPECT_TRUE(main->ButtonDraw->isChecked());

    const int height = design().height();
    dialogs->insertions << InsertChoice{false, 32767};
    main->ButtonInsert->trigger();
    clickCell(0, 0);
    EXPECT_EQ(design().height(), height);
    EXPECT_EQ(design().History.count(), 0);
    ASSERT_EQ(dialogs->warned.size(), 1);
    EXPECT_TRUE(dialogs->warned.first().contains(QStringLiteral("32767")));
    EXPECT_EQ(main->mode(), modDraw);
}

TEST_F(TFMainInsert, TextGrowsTheDesignFloatsInTheFrameAndMergesAsOneMoreStep)
{
    const TColorRef colour = design().stitch.Colors.keys().front();
    design().stitch.setDrawcolor(colour);
    const QSize size(design().width(), design().height());

    main->ButtonText->trigger();
    EXPECT_EQ(main->mode(), modDraw) << "a cancelled dialog changes nothing";
    EXPECT_EQ(design().History.count(), 0);

    dialogs->scripts << [](QDialog& shown) {
        auto& text = static_cast<TFText&>(shown);
        text.EText->setText(QStringLiteral("Threadwright samplers, stitched with care"));
        text.BOK->click();
    };
    main->ButtonText->trigger();
    const ClipboardBuffer& buffer = main->selection().buffer();
    ASSERT_GT(buffer.width(), size.width()) << "the text is wider than the design";
    EXPECT_EQ(design().width(), buffer.width());
    EXPECT_EQ(design().History.count(), 1) << "the enlargement is one step";
    EXPECT_EQ(main->mode(), modSelection);
    EXPECT_TRUE(main->selection().floating());
    EXPECT_EQ(main->selection().SelectionRect().Left, 0);

    main->MenuMerge->trigger();
    EXPECT_EQ(design().History.count(), 2);
    int stitched = 0;
    for (int y = 0; y < buffer.height(); ++y)
        for (int x = 0; x < buffer.width(); ++x)
            stitched += design().CrossLayer.canvasPixel(x, y) == colour;
    EXPECT_GT(stitched, 50);

    main->Undo1->trigger();
    main->Undo1->trigger();
    EXPECT_EQ(QSize(design().width(), design().height()), size);
    EXPECT_TRUE(dialogs->warned.isEmpty());
}
