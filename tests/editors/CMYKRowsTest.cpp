// The rows of the print colour corrections table and the rule that takes an edited correction.
#include "editors/CMYKRows.h"
#include "model/CMYKConversion.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kWhite = 0xFFFFFF;
constexpr TColorRef kBlack = 0x000000;
} // namespace

TEST(CMYKRows, EveryColourOfTheTableSortedByPalettePositionWithItsCorrection)
{
    auto d = TestDesigns::empty(2, 2, {kWhite, kRed, kBlack});
    TStitch& doc = d->stitch;
    doc.Colors.at(kWhite).orderID = 7;
    doc.Colors.at(kBlack).orderID = 0;
    doc.Colors.at(kRed).orderID = 0;
    doc.CMYK.insert(color32FromColorRef(kRed), CMYKConversion::correction(0, 100, 100, 10));

    const QList<TCMYKColor> rows = CMYKRows::build(doc);
    ASSERT_EQ(rows.size(), 3);
    // Equal positions keep the table's order.
    EXPECT_EQ(rows[0].Color, kRed);
    EXPECT_EQ(rows[1].Color, kBlack);
    EXPECT_EQ(rows[2].Color, kWhite);
    EXPECT_EQ(rows[0].RGBColor, QStringLiteral("#FF0000"));
    EXPECT_EQ(rows[0].CMYKColor, QStringLiteral("0,100,100,0"));
    EXPECT_EQ(rows[0].NewCMYKColor, QStringLiteral("0,100,100,10"));
    EXPECT_EQ(rows[0].NewRGBColor, QStringLiteral("#E60000"));
    EXPECT_EQ(rows[0].Symbol, doc.chars->symbolOf(1).value());
    EXPECT_EQ(rows[0].Name, doc.Colors.at(kRed).colorName);
    EXPECT_EQ(rows[1].CMYKColor, QStringLiteral("0,0,0,100"));
    EXPECT_TRUE(rows[1].NewCMYKColor.isEmpty());
    EXPECT_TRUE(rows[1].NewRGBColor.isEmpty());
}

TEST(CMYKRows, AnEditSetsOrRemovesTheCorrection)
{
    struct Case
    {
        QString text;
        std::optional<TCMYK> expected;
    };
    const Case cases[] = {
        {QStringLiteral("10,20,30,40"), CMYKConversion::correction(10, 20, 30, 40)},
        {QStringLiteral(" 10, 20 ,30,40"), CMYKConversion::correction(10, 20, 30, 40)},
        {QStringLiteral("\"10\",20,30,\"0\""), CMYKConversion::correction(10, 20, 30, 0)},
        {QStringLiteral("0,0,0,100"), CMYKConversion::correction(0, 0, 0, 100)},
        {QStringLiteral("10,20,30"), std::nullopt},
        {QStringLiteral("10,20,30,101"), std::nullopt},
        {QStringLiteral("10,20,30,-1"), std::nullopt},
        {QStringLiteral("10,20,30,4x"), std::nullopt},
        {QStringLiteral("\"10,20\",30,40"), std::nullopt},
        {QStringLiteral("10,20,30,40,50"), std::nullopt},
        {QString(), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        TCMYKMap map;
        map.insert(0xFF010203u, TCMYK{});
        map.insert(color32FromColorRef(kRed), CMYKConversion::correction(1, 1, 1, 1));
        map.insert(0xFF040506u, TCMYK{});
        TCMYKColor row{kRed, QChar(), QString(), 0, QString(), QString(), QStringLiteral("#FCFCFC"), QStringLiteral("1,1,1,1")};
        CMYKRows::commit(row, c.text, map);
        if (c.expected) {
            EXPECT_EQ(row.NewCMYKColor, c.text);
            EXPECT_EQ(row.NewRGBColor, CMYKConversion::hashText(c.expected->RGBColor));
            // Replacing keeps the correction's place in the file's order.
            EXPECT_EQ(map.keys(), (std::vector<TColor32>{0xFF010203u, 0xFFFF0000u, 0xFF040506u}));
            EXPECT_EQ(map.at(0xFFFF0000u), *c.expected);
        } else {
            EXPECT_TRUE(row.NewCMYKColor.isEmpty());
            EXPECT_TRUE(row.NewRGBColor.isEmpty());
            EXPECT_EQ(map.keys(), (std::vector<TColor32>{0xFF010203u, 0xFF040506u}));
        }
    }
}

TEST(CMYKRows, NewCorrectionsFollowTheOnesAlreadyThere)
{
    TCMYKMap map;
    map.insert(0xFF010203u, TCMYK{});
    TCMYKColor row{kRed};
    CMYKRows::commit(row, QStringLiteral("1,2,3,4"), map);
    EXPECT_EQ(map.keys(), (std::vector<TColor32>{0xFF010203u, 0xFFFF0000u}));
}
