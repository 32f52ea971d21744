#include "editing/StitchOperations.h"
#include "model/ChangeBatch.h"
#include "model/ColorUsage.h"
#include "support/TestDesigns.h"
#include "view/ColorList.h"
#include "view/PaletteGridLayout.h"
#include <gtest/gtest.h>

namespace {
QList<TColorRef> order(const ColorList& list)
{
    QList<TColorRef> colors;
    for (const TColorSymbols& row : list.rows())
        colors << row.Color;
    return colors;
}
} // namespace

TEST(ColorList, SortByNumberIsATotalOrderWithNumbersFirst)
{
    auto d = TestDesigns::empty(2, 2, {1, 2, 3, 4, 5, 6});
    const QStringList numbers = {QStringLiteral("3865"), QStringLiteral("B5200"), QStringLiteral("310"),
        QStringLiteral("Ecru"), QStringLiteral("310"), QStringLiteral("$10")};
    int i = 0;
    for (auto& [color, info] : d->stitch.Colors)
        info.colorID = numbers[i++];
    ColorList list(*d);
    list.rebuildColorRows();
    list.setSortOrder(ColorList::byNumber);
    // 310 (order 2) and 310 (order 4) tie and keep palette order; $10 is hexadecimal 16.
    EXPECT_EQ(order(list), (QList<TColorRef>{6, 3, 5, 1, 2, 4}));
    EXPECT_EQ(ColorList::numberOf(QStringLiteral("-12")), -12);
    EXPECT_FALSE(ColorList::numberOf(QStringLiteral("B5200")).has_value());
}

TEST(ColorList, SortByNameAndByUsage)
{
    auto d = TestDesigns::fromRows({"aab", "cc."}, {{'a', 1}, {'b', 2}, {'c', 3}, {'d', 4}});
    int i = 0;
    const QStringList names = {QStringLiteral("beige"), QStringLiteral("Blue"), QStringLiteral("azure"), QStringLiteral("Azure")};
    for (auto& [color, info] : d->stitch.Colors)
        info.colorName = names[i++];
    ColorUsage::CalcColorUsage(*d);
    ColorList list(*d);
    list.rebuildColorRows();
    list.setSortOrder(ColorList::byName);
    EXPECT_EQ(order(list), (QList<TColorRef>{4, 2, 3, 1})); // ordinal: capitals first
    list.setSortOrder(ColorList::byUsage);
    // Most used first; the two colours with 2 stitches and the unused one follow palette order.
    EXPECT_EQ(order(list), (QList<TColorRef>{1, 3, 2, 4}));
}

TEST(ColorList, OnlyUsedColorsFollowTheTransitions)
{
    auto d = TestDesigns::fromRows({"a."}, {{'a', 1}, {'b', 2}});
    ColorUsage::CalcColorUsage(*d);
    ColorList list(*d);
    list.setOnlyUsed(true);
    EXPECT_EQ(order(list), QList<TColorRef>{1});
    EXPECT_TRUE(list.rows().first().SymbolBitmap);

    d->stitch.Colors.at(2).colorCount = 1;
    d->stitch.chars->renderColor(2, d->stitch.Colors.at(2));
    list.colorBecameUsed(2);
    EXPECT_EQ(order(list), (QList<TColorRef>{1, 2}));
    d->stitch.chars->clearColor(1);
    list.colorBecameUnused(1, true);
    EXPECT_EQ(order(list), QList<TColorRef>{2});

    list.setOnlyUsed(false);
    EXPECT_EQ(order(list), (QList<TColorRef>{1, 2}));
    EXPECT_FALSE(list.rows().first().SymbolBitmap);
    EXPECT_EQ(list.rowOf(2), 1);
    EXPECT_EQ(list.rowOf(9), -1);
}

TEST(ColorList, SwitchingToUsedColorsOnAnEmptyDesignLeavesTheListEmpty)
{
    auto d = TestDesigns::empty(5, 5, {1, 2, 3});
    ColorUsage::CalcColorUsage(*d);
    ColorList list(*d);
    list.setOnlyUsed(true);
    EXPECT_TRUE(list.rows().isEmpty());
}

TEST(PaletteGridLayout, ColoursRunDownTheColumns)
{
    // 450 colours in 11 columns: 41 rows, and the last column has 40 swatches and one hatched cell.
    const PaletteGridLayout grid(450, 26 + 11 * 37, 36);
    EXPECT_EQ(grid.columns(), 11);
    EXPECT_EQ(grid.rows(), 41);
    EXPECT_EQ(grid.entryAt(0, 1), 1);
    EXPECT_EQ(grid.entryAt(1, 0), 41);
    EXPECT_EQ(grid.entryAt(10, 39), 449);
    EXPECT_EQ(grid.entryAt(10, 40), -1);
    // Too narrow for one column still lays out one.
    EXPECT_EQ(PaletteGridLayout(5, 10, 36).columns(), 1);
    EXPECT_EQ(PaletteGridLayout(0, 400, 36).rows(), 0);
}

TEST(PaletteGridLayout, ListIsInPaletteOrder)
{
    auto d = TestDesigns::empty(1, 1, {5, 6, 7});
    d->stitch.Colors.at(5).orderID = 9;
    const QList<TSimpleColorInfo> list = PaletteGridLayout::colorsList(d->stitch.Colors);
    ASSERT_EQ(list.size(), 3);
    EXPECT_EQ(list[0].color, 6u);
    EXPECT_EQ(list[2].color, 5u);
}

TEST(ColorList, HearsCountChangesItselfAndSaysWhichRowsChanged)
{
    auto d = TestDesigns::fromRows({"ab", ".."}, {{'a', 1}, {'b', 2}, {'c', 3}});
    ColorUsage::CalcColorUsage(*d);
    ColorList list(*d);
    list.rebuildColorRows();
    QList<QList<int>> told;
    int reorders = 0;
    list.setRowsChangedHandler([&](const QList<int>& rows, bool reordered) {
        told << rows;
        reorders += reordered ? 1 : 0;
    });
    const auto write = [&](TColorRef color) {
        ChangeBatch batch(*d);
        StitchOperations ops(*d);
        ops.updatePixel(0, 1, false, color);
        ops.updatePixel(1, 1, false, color);
    };
    write(2);
    EXPECT_EQ(told, QList<QList<int>>{{1}}) << "one report for the batch, naming the row of colour 2 only";
    EXPECT_EQ(reorders, 0);

    list.setSortOrder(ColorList::byUsage);
    EXPECT_EQ(order(list), (QList<TColorRef>{2, 1, 3}));
    told.clear();
    write(1);
    EXPECT_EQ(reorders, 1) << "colour 1 moved ahead: the rows were sorted again";
    EXPECT_EQ(order(list), (QList<TColorRef>{1, 2, 3}));
}
