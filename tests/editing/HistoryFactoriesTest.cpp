#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "support/RecordingListener.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kBlue = 0xFF0000;
} // namespace

TEST(HistoryFactories, ANewRecordDropsWhatCouldBeRedoneAndFreesIt)
{
    auto d = TestDesigns::empty(3, 3, {kRed, kBlue});
    StitchOperations ops(*d);
    auto rhode = std::make_shared<TRhode>();
    rhode->color = kBlue;
    rhode->stitches = {{QPoint(0, 0), QPoint(2, 2), 0, 0}};
    ops.RhodeAdd(rhode, false);
    const std::weak_ptr<TRhode> watch = rhode;
    rhode.reset();

    QList<RemovedItem<TRhodeRef>> removed{{0, ops.RhodeDelete(0, true)}};
    ASSERT_TRUE(HistoryFactories::actionErase(*d, {}, {}, d->stitch.BackGroundColor, {}, removed, {}));
    removed.clear();
    EXPECT_EQ(watch.use_count(), 1); // only the record keeps it
    d->History.Undo();
    EXPECT_EQ(watch.use_count(), 2); // back in the design, and still kept by the undone record

    RecordingListener listener;
    d->setListener(&listener);
    HistoryFactories::actionLine(*d, {QPoint(1, 1)}, kBlue);
    EXPECT_EQ(d->History.count(), 1);
    EXPECT_FALSE(d->History.canRedo());
    EXPECT_EQ(listener.calls.last(), QStringLiteral("history undo -"));
    EXPECT_EQ(watch.use_count(), 1); // the dropped record let go of it
    d->RhodeList.clear();
    EXPECT_TRUE(watch.expired());
}
