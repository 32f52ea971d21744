// The change-symbol dialog on a small design: which cells are grey, when OK is enabled, and what
// OK changes. The rules themselves are tested with ChangeSymbol in the core.
#include "editors/forms/TFChangeCharacter.h"
#include "model/ColorUsage.h"
#include "support/TestDesigns.h"
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kA = 0x0000FF, kB = 0x00FF00, kC = 0xFF0000;

class TFChangeCharacterTest : public testing::Test
{
protected:
    // Symbols 0 (a) and 5 (b) are in use; c has symbol 7 but no stitches.
    explicit TFChangeCharacterTest(int symbols = 40)
        : design(TestDesigns::fromRows({"ab"}, {{'a', kA}, {'b', kB}, {'c', kC}}))
    {
        TStitch& doc = design->stitch;
        doc.chars = std::make_unique<TCharacters>(defaultCharacterString().repeated(4).left(symbols));
        doc.chars->SetFontName(QStringLiteral("DejaVu Sans"), doc.Colors);
        doc.Colors.at(kB).charID = 5;
        doc.Colors.at(kC).charID = 7;
        ColorUsage::CalcColorUsage(*design);
        doc.setDrawcolor(kA);
        doc.setFileSaved(true);
        dialog.FormShow(*design);
        dialog.show();
    }

    QRect cell(int index) const
    {
        return dialog.Grid->visualRect(dialog.Grid->model()->index(index / 25, index % 25));
    }
    void choose(int index) { QTest::mouseClick(dialog.Grid->viewport(), Qt::LeftButton, {}, cell(index).center()); }
    QImage shot() const { return dialog.Grid->viewport()->grab().toImage(); }

    std::unique_ptr<Design> design;
    TFChangeCharacter dialog;
};

// The leftmost dark pixel of a cell, relative to its left edge; -1 when the cell has none.
int inkLeft(const QImage& image, const QRect& cell)
{
    for (int x = cell.left(); x <= cell.right(); ++x) {
        for (int y = cell.top(); y <= cell.bottom(); ++y) {
            if (qGray(image.pixel(x, y)) < 100)
                return x - cell.left();
        }
    }
    return -1;
}
} // namespace

TEST_F(TFChangeCharacterTest, CellsOfSymbolsInUseAreGreyAndOkFollowsTheChosenCell)
{
    EXPECT_EQ(dialog.Grid->model()->columnCount(), 25);
    EXPECT_EQ(dialog.Grid->model()->rowCount(), 25);
    EXPECT_EQ(cell(0).size(), QSize(23, 23));
    EXPECT_EQ(dialog.Grid->currentIndex(), dialog.Grid->model()->index(0, 0));
    EXPECT_FALSE(dialog.BOK->isEnabled()) << "the colour's own symbol";

    const QImage image = shot();
    const auto corner = [&](int index) { return image.pixel(cell(index).bottomRight() - QPoint(1, 1)) & 0xFFFFFF; };
    EXPECT_EQ(corner(5), 0xC0C0C0u);
    EXPECT_NE(corner(7), 0xC0C0C0u) << "a colour without stitches does not hold its symbol";
    EXPECT_NE(corner(40), 0xC0C0C0u);
    EXPECT_GE(inkLeft(image, cell(7)), 2) << "the glyph starts 2 pixels from the left edge";
    EXPECT_EQ(inkLeft(image, cell(40)), -1) << "past the string's end";

    const struct
    {
        int index;
        bool ok;
    } cases[] = {{7, true}, {40, false}, {5, false}, {39, true}, {0, false}, {624, false}};
    for (const auto& c : cases) {
        choose(c.index);
        EXPECT_EQ(dialog.BOK->isEnabled(), c.ok) << c.index;
    }
}

TEST_F(TFChangeCharacterTest, OkGivesTheDrawingColourTheSymbolAndTheNextShowingGreysItInstead)
{
    choose(7);
    QTest::mouseClick(dialog.BOK, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(design->stitch.Colors.at(kA).charID, 7);
    EXPECT_FALSE(design->stitch.fileSaved());

    dialog.FormShow(*design);
    dialog.show();
    const QImage image = shot();
    EXPECT_NE(image.pixel(cell(0).bottomRight() - QPoint(1, 1)) & 0xFFFFFF, 0xC0C0C0u);
    EXPECT_EQ(image.pixel(cell(7).bottomRight() - QPoint(1, 1)) & 0xFFFFFF, 0xC0C0C0u);
    EXPECT_EQ(dialog.Grid->currentIndex(), dialog.Grid->model()->index(0, 0));
    EXPECT_TRUE(dialog.BOK->isEnabled()) << "symbol 0 is free now";
}

namespace {
class TFChangeCharacterLongString : public TFChangeCharacterTest
{
protected:
    TFChangeCharacterLongString()
        : TFChangeCharacterTest(690)
    {
    }
};
} // namespace

TEST_F(TFChangeCharacterLongString, AStringLongerThanTheGridAddsRowsAndAScrollBar)
{
    EXPECT_EQ(dialog.Grid->model()->rowCount(), 28);
    EXPECT_EQ(dialog.Grid->model()->columnCount(), 25);
    EXPECT_TRUE(dialog.Grid->verticalScrollBar()->isVisible());
    dialog.Grid->scrollToBottom();
    choose(689);
    EXPECT_TRUE(dialog.BOK->isEnabled());
    choose(690);
    EXPECT_FALSE(dialog.BOK->isEnabled());
}
