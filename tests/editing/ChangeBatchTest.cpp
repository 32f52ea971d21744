// Batched notifications: whatever a record writes, its making, its undo and its redo each reach
// the listener as one repaint region and one count change, however many cells it touched.
#include "editing/CellCapture.h"
#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "model/ChangeBatch.h"
#include "support/RecordingListener.h"
#include "support/TestDesigns.h"
#include <gtest/gtest.h>
#include <functional>

namespace {
constexpr TColorRef kRed = 0x0000FF;
constexpr TColorRef kBlue = 0xFF0000;

// The notifications that repaint or recount, one line each.
QStringList repaintsAndCounts(const RecordingListener& listener)
{
    QStringList lines;
    for (const QString& line : listener.calls) {
        if (!line.startsWith(QLatin1String("fileSaved")) && !line.startsWith(QLatin1String("history"))
            && !line.startsWith(QLatin1String("used")) && !line.startsWith(QLatin1String("unused")))
            lines << line;
    }
    return lines;
}

// What a fill tool does: every cell written in one batch, then the record.
void fillAll(Design& d, TColorRef color)
{
    QList<QPoint> cells;
    {
        ChangeBatch batch(d);
        StitchOperations ops(d);
        for (int y = 0; y < d.height(); ++y) {
            for (int x = 0; x < d.width(); ++x) {
                cells << QPoint(x, y);
                ops.updatePixel(x, y, false, color);
            }
        }
    }
    HistoryFactories::actionFill(d, cells, d.stitch.BackGroundColor, d.stitch.BackGroundColor, CellCapture(), color);
}
} // namespace

TEST(ChangeBatch, EachStepOfAManyCellRecordIsOneRegionAndOneCountChange)
{
    struct Case
    {
        const char* name;
        std::function<void(Design&)> make;
        QString region;
    };
    const std::vector<Case> cases = {
        {"fill of the whole design", [](Design& d) { fillAll(d, kRed); }, QStringLiteral("cells 0 0 40 30")},
        {"line across it", [](Design& d) { HistoryFactories::actionLine(d, {QPoint(3, 2), QPoint(9, 20), QPoint(1, 7)}, kRed); },
            QStringLiteral("cells 1 2 9 19")},
        {"replace colour after a fill",
            [](Design& d) {
                fillAll(d, kBlue);
                QList<QPoint> cells;
                {
                    ChangeBatch batch(d);
                    for (int x = 0; x < d.width(); ++x) {
                        cells << QPoint(x, 5);
                        StitchOperations(d).updatePixel(x, 5, false, kRed);
                    }
                }
                HistoryFactories::actionReplaceColor(d, cells, {}, kRed, kBlue);
            },
            QStringLiteral("cells 0 5 40 1")},
        {"reduction to one colour",
            [](Design& d) {
                fillAll(d, kBlue);
                StitchOperations(d).updatePixel(0, 0, true, kRed);
                HistoryFactories::actionReduceColors(d, 1);
            },
            QStringLiteral("cells 0 0 1 1")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto d = TestDesigns::empty(40, 30, {kRed, kBlue});
        RecordingListener listener;
        d->setListener(&listener);
        c.make(*d);
        for (const bool undo : {true, false}) {
            listener.clear();
            if (undo)
                d->History.Undo();
            else
                d->History.Redo();
            EXPECT_EQ(repaintsAndCounts(listener), (QStringList{c.region, QStringLiteral("counts")})) << undo;
        }
    }
}

TEST(ChangeBatch, NestedBatchesDeliverOnceWhenTheOutermostEnds)
{
    auto d = TestDesigns::empty(8, 8, {kRed});
    RecordingListener listener;
    d->setListener(&listener);
    StitchOperations ops(*d);
    {
        ChangeBatch outer(*d);
        {
            ChangeBatch inner(*d);
            ops.updatePixel(1, 2, true, kRed);
            ops.updateQPixel(9, 1, true, kRed);
            ops.frenchKnotAdd({QPoint(3, 3), kRed, 0}, true);
            d->listener().designChanged();
        }
        EXPECT_EQ(listener.calls, QStringList{QStringLiteral("used 0000ff")}) << "transitions are never held back";
    }
    EXPECT_EQ(listener.calls, (QStringList{QStringLiteral("used 0000ff"), QStringLiteral("design"),
                                  QStringLiteral("frenchKnots"), QStringLiteral("counts")}))
        << "the whole design is repainted instead of the cells";
    listener.clear();
    ops.updatePixel(5, 5, true, kRed);
    EXPECT_EQ(listener.calls, (QStringList{QStringLiteral("cell 5 5"), QStringLiteral("counts")})) << "no batch open";
}
