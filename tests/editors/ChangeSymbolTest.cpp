#include "editors/ChangeSymbol.h"
#include "files/QmkLoader.h"
#include "files/QmkWriter.h"
#include "model/ColorUsage.h"
#include "support/QmkTestFiles.h"
#include "support/RecordingListener.h"
#include "support/TestDesigns.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kA = 0x0000FF, kB = 0x00FF00, kC = 0xFF0000, kD = 0x00FFFF, kE = 0x808080;

// Five colours on a string of 40 symbols: a (symbol 0) and b and d (both symbol 5) have
// stitches, c (symbol 7) has none, e has stitches but symbol -1.
std::unique_ptr<Design> fiveColours()
{
    auto d = TestDesigns::fromRows({"abde"}, {{'a', kA}, {'b', kB}, {'c', kC}, {'d', kD}, {'e', kE}});
    d->stitch.chars = std::make_unique<TCharacters>(defaultCharacterString().left(40));
    d->stitch.Colors.at(kB).charID = 5;
    d->stitch.Colors.at(kC).charID = 7;
    d->stitch.Colors.at(kD).charID = 5;
    d->stitch.Colors.at(kE).charID = -1;
    ColorUsage::CalcColorUsage(*d);
    return d;
}
} // namespace

TEST(ChangeSymbol, OnlyIndexesInsideTheStringThatNoColourWithStitchesHasCanBeChosen)
{
    auto d = fiveColours();
    d->stitch.setDrawcolor(kA);
    const std::vector<bool> used = ChangeSymbol::usedIndexes(d->stitch);
    ASSERT_EQ(used.size(), 40u);
    const struct
    {
        int index;
        bool choosable;
    } cases[] = {{0, false}, {5, false}, {7, true}, {1, true}, {39, true}, {40, false}, {624, false}, {-1, false}};
    for (const auto& c : cases)
        EXPECT_EQ(ChangeSymbol::canChoose(used, c.index), c.choosable) << c.index;
}

TEST(ChangeSymbol, OnlyAColourWithStitchesCanChange)
{
    auto d = fiveColours();
    d->BackStitchList.append({QPoint(0, 0), QPoint(2, 0), kC, 0});
    const struct
    {
        TColorRef color;
        bool canChange;
    } cases[] = {{kA, true}, {kC, false}, {0x123456, false}};
    for (const auto& c : cases) {
        d->stitch.setDrawcolor(c.color);
        EXPECT_EQ(ChangeSymbol::canChange(d->stitch), c.canChange) << c.color;
        if (!c.canChange)
            EXPECT_FALSE(ChangeSymbol::apply(*d, 9));
    }
    ColorUsage::CalcColorUsage(*d);
    d->stitch.setDrawcolor(kC);
    EXPECT_TRUE(ChangeSymbol::canChange(d->stitch)) << "a colour with back stitches only";
}

TEST(ChangeSymbol, ASharedIndexStaysInUseForTheOtherColourAndTheDesignBecomesUnsaved)
{
    auto d = fiveColours();
    d->stitch.setDrawcolor(kB);
    d->stitch.setFileSaved(true);
    RecordingListener listener;
    d->setListener(&listener);

    ASSERT_TRUE(ChangeSymbol::apply(*d, 7));
    EXPECT_EQ(d->stitch.Colors.at(kB).charID, 7);
    EXPECT_EQ(d->stitch.chars->CharsUsed[5], 1);
    EXPECT_EQ(d->stitch.chars->CharsUsed[7], 1);
    const std::vector<bool> used = ChangeSymbol::usedIndexes(d->stitch);
    EXPECT_TRUE(used[5]);
    EXPECT_TRUE(used[7]);
    EXPECT_TRUE(d->stitch.chars->inUse(kB));
    EXPECT_FALSE(d->stitch.fileSaved());
    EXPECT_EQ(listener.calls, QStringList({QStringLiteral("colorList"), QStringLiteral("symbolSet"), QStringLiteral("fileSaved false")}));

    // Leaving an index no other colour has frees it.
    d->stitch.setDrawcolor(kA);
    ASSERT_TRUE(ChangeSymbol::apply(*d, 8));
    EXPECT_EQ(d->stitch.chars->CharsUsed[0], 0);
    EXPECT_FALSE(ChangeSymbol::usedIndexes(d->stitch)[0]);
    EXPECT_FALSE(ChangeSymbol::apply(*d, 5)) << "taken by d";
    EXPECT_EQ(d->stitch.Colors.at(kA).charID, 8);
}

TEST(ChangeSymbol, AColourWithoutAValidSymbolGetsOneWithoutTouchingOtherMarks)
{
    for (const int old : {-1, 40, 1000}) {
        SCOPED_TRACE(old);
        auto d = fiveColours();
        d->stitch.Colors.at(kE).charID = old;
        d->stitch.setDrawcolor(kE);
        const std::vector<int> before = d->stitch.chars->CharsUsed;
        ASSERT_TRUE(ChangeSymbol::apply(*d, 3));
        std::vector<int> expected = before;
        expected[3] = 1;
        EXPECT_EQ(d->stitch.chars->CharsUsed, expected);
        EXPECT_EQ(d->stitch.chars->symbolOf(d->stitch.Colors.at(kE).charID), defaultCharacterString().at(3));
    }
}

TEST(ChangeSymbol, ASavedAndReopenedDesignShowsTheNewSymbol)
{
    auto d = fiveColours();
    d->stitch.chars->CharsName = QStringLiteral("Standard"); // "ABCDEFGHIJ" in the fresh catalogue
    d->stitch.setDrawcolor(kB);
    ASSERT_TRUE(ChangeSymbol::apply(*d, 8));
    const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("changed.qmk"));
    ASSERT_TRUE(SaveQMK(*d, file));
    auto reopened = QmkTestFiles::freshDesign();
    ASSERT_TRUE(LoadQMK(file, *reopened));
    const TStitch& doc = reopened->stitch;
    EXPECT_EQ(doc.Colors.at(kB).charID, 8);
    EXPECT_EQ(doc.chars->symbolOf(8), QChar(u'I'));
    EXPECT_EQ(doc.chars->CharsUsed[8], 1);
}
