#include "model/ColorUsage.h"
#include "support/RecordingListener.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>

TEST(ColorUsage, RecountFollowsTheWeightsOfEveryStitchKind)
{
    auto d = TestDesigns::fromRows({"aa.", "..."}, {{'a', 1}, {'b', 2}, {'c', 3}, {'k', 4}});
    d->QuarterLayer.setCanvasPixel(0, 2, 2);
    d->QuarterLayer.setCanvasPixel(1, 2, 2);
    d->QuarterLayer.setCanvasPixel(5, 3, 2);
    d->BackStitchList.append({QPoint(0, 0), QPoint(3, 4), 3, 0});
    d->BackStitchList.append({QPoint(0, 0), QPoint(1, 1), 3, 1});
    d->FrenchKnotList.append({QPoint(2, 2), 4, 0});
    auto rhode = std::make_shared<TRhode>();
    rhode->color = 1;
    rhode->stitches.append({QPoint(0, 0), QPoint(2, 2), 0, 0}); // diagonal of a cell: 2
    d->RhodeList.append(rhode);
    RecordingListener listener;
    d->setListener(&listener);

    EXPECT_EQ(ColorUsage::CalcColorUsage(*d), 0);
    const TColorTable& c = d->stitch.Colors;
    EXPECT_EQ(c.at(1).colorCount, 4);
    EXPECT_EQ(c.at(1).backStitchesCount, 2);
    EXPECT_EQ(c.at(2).quarterStitchesCount, 3);
    EXPECT_EQ(c.at(2).colorCount, 2);
    EXPECT_EQ(c.at(3).colorCount, 6);
    EXPECT_EQ(c.at(3).backStitchesCount, 6);
    EXPECT_EQ(c.at(4).colorCount, 1); // a knot counts 1 in the recount
    EXPECT_EQ(d->stitch.usedColors(), 4);
    EXPECT_EQ(d->stitch.chars->CharsUsed[0], 1);
    EXPECT_EQ(listener.count(QStringLiteral("used ")), 4);
    EXPECT_EQ(listener.calls.last(), QStringLiteral("colorList"));
}

TEST(ColorUsage, AStitchColourMissingFromTheTableGetsANamelessEntry)
{
    auto d = TestDesigns::fromRows({"a"}, {{'a', 1}});
    d->CrossLayer.setCanvasPixel(0, 0, 0x123456);
    EXPECT_EQ(ColorUsage::CalcColorUsage(*d), 1);
    const TColorInfo& info = d->stitch.Colors.at(0x123456);
    EXPECT_EQ(info.colorCount, 1);
    EXPECT_EQ(info.charID, -1);
    EXPECT_TRUE(info.colorName.isEmpty());
}
