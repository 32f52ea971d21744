#include "model/ColorUsage.h"
#include "printing/KeyEntryList.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>

namespace {
struct Entry
{
    TColorRef color;
    TColorType type;
    int count;
    bool operator==(const Entry&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Entry& e)
{
    return os << e.color << (e.type == ctBack ? " back " : " cross ") << e.count;
}

std::vector<Entry> summary(const QList<TMyColor>& entries)
{
    std::vector<Entry> out;
    for (const TMyColor& e : entries)
        out.push_back({e.Color, e.ColorType, e.Count});
    return out;
}
} // namespace

TEST(KeyEntryList, CrossEntriesOfEveryStitchedColourThenBackEntriesByPaletteOrder)
{
    auto d = TestDesigns::fromRows({"aa.", "..."}, {{'a', 1}, {'b', 2}, {'c', 3}, {'k', 4}});
    d->QuarterLayer.setCanvasPixel(0, 2, 2);
    d->QuarterLayer.setCanvasPixel(1, 2, 2);
    d->QuarterLayer.setCanvasPixel(5, 3, 2);
    d->BackStitchList.append({QPoint(0, 0), QPoint(3, 4), 3, 0}); // length 5
    d->BackStitchList.append({QPoint(0, 0), QPoint(1, 1), 3, 1}); // length 1
    d->FrenchKnotList.append({QPoint(2, 2), 4, 0});
    auto rhode = std::make_shared<TRhode>();
    rhode->color = 1;
    rhode->stitches.append({QPoint(0, 0), QPoint(2, 2), 0, 0});
    d->RhodeList.append(rhode);
    ColorUsage::CalcColorUsage(*d);

    const QList<TMyColor> entries = KeyEntryList::build(*d);
    // Colour 3 has back stitches only; quarters count one per two, a knot one.
    const std::vector<Entry> expected = {
        {1, ctCross, 2}, {2, ctCross, 2}, {4, ctCross, 1}, {1, ctBack, 2}, {3, ctBack, 6}};
    EXPECT_EQ(summary(entries), expected);
    EXPECT_EQ(entries[0].Name, QStringLiteral("Colour 000001"));
    EXPECT_EQ(entries[0].Symbol, QString(d->stitch.chars->symbolOf(0).value()));
    EXPECT_EQ(entries[0].SymbolColor, 0xFFFFFFFFu); // white on a dark colour
}

TEST(KeyEntryList, SortOrdersAreStrictAndKeepCrossBeforeBack)
{
    const TColorRef c[] = {10, 11, 12, 13, 14, 15};
    const struct
    {
        const char* name;
        const char* id;
        int count;
    } info[] = {{"Blue", "310", 5}, {"10", "B5200", 7}, {"9", "0x10", 5}, {"-3", "3865", 1}, {"apple", "+310", 7},
        {"+9", "99999999999", 0}};
    TColorTable table;
    for (int i = 5; i >= 0; --i) { // table order is not palette order
        TColorInfo ci;
        ci.colorName = QString::fromLatin1(info[i].name);
        ci.colorID = QString::fromLatin1(info[i].id);
        ci.colorCount = info[i].count;
        ci.orderID = i;
        table.insert(c[i], ci);
    }
    QList<TMyColor> input;
    for (TColorRef color : c)
        input << TMyColor{QString(), color, QString(), 0, 0, ctCross};
    input << TMyColor{QString(), c[2], QString(), 0, 0, ctBack} << TMyColor{QString(), c[0], QString(), 0, 0, ctBack};

    const struct
    {
        ColorList::SortOrder order;
        std::vector<Entry> expected;
    } cases[] = {
        {ColorList::byPalette, {{10, ctCross, 0}, {10, ctBack, 0}, {11, ctCross, 0}, {12, ctCross, 0}, {12, ctBack, 0},
                                   {13, ctCross, 0}, {14, ctCross, 0}, {15, ctCross, 0}}},
        // Whole numbers first (+9 equals 9, so palette order decides), then text by code units.
        {ColorList::byName, {{13, ctCross, 0}, {12, ctCross, 0}, {12, ctBack, 0}, {15, ctCross, 0}, {11, ctCross, 0},
                                {10, ctCross, 0}, {10, ctBack, 0}, {14, ctCross, 0}}},
        // A number past 32 bits is text.
        {ColorList::byNumber, {{10, ctCross, 0}, {10, ctBack, 0}, {14, ctCross, 0}, {13, ctCross, 0}, {12, ctCross, 0},
                                  {12, ctBack, 0}, {15, ctCross, 0}, {11, ctCross, 0}}},
        {ColorList::byUsage, {{11, ctCross, 0}, {14, ctCross, 0}, {10, ctCross, 0}, {10, ctBack, 0}, {12, ctCross, 0},
                                 {12, ctBack, 0}, {13, ctCross, 0}, {15, ctCross, 0}}},
    };
    for (const auto& k : cases) {
        QList<TMyColor> entries = input;
        KeyEntryList::sort(entries, table, k.order);
        EXPECT_EQ(summary(entries), k.expected) << "order " << k.order;
    }
}
