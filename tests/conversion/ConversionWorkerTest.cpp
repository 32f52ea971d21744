// The conversion worker: one job at a time on its thread, a newer request cancelling the
// running one and dropping its completion, and waiting that leaves nothing running.
#include "conversion/ConversionWorker.h"
#include "conversion/PictureConversion.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>

namespace {
// Runs until cancelled, as a long pass does, and says so.
Status untilCancelled(ConversionProgress& progress, std::atomic<bool>& started)
{
    progress.begin(0);
    started = true;
    while (progress.advance())
        QThread::msleep(1);
    return PictureConversion::cancelled();
}

// Lets the completions arrive until the condition holds, for at most five seconds.
bool waitFor(const std::function<bool()>& condition)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 5000) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    return condition();
}

bool idle(const ConversionWorker& worker)
{
    return waitFor([&] { return !worker.busy(); });
}
} // namespace

TEST(ConversionWorkerTest, NewerRequestCancelsTheRunningJobAndDropsItsResult)
{
    ConversionWorker worker;
    QList<bool> busy;
    QObject::connect(&worker, &ConversionWorker::busyChanged, [&](bool b) { busy << b; });
    std::atomic<bool> started = false;
    QStringList completed;
    const QThread* ranOn = nullptr;
    worker.submit([&](ConversionProgress& p) { return untilCancelled(p, started); },
        [&](const Status&) { completed << QStringLiteral("first"); });
    ASSERT_TRUE(waitFor([&] { return started.load(); }));
    // Waiting behind the running job, then replaced by the newest request.
    worker.enqueue([](ConversionProgress&) { return Status::ok(); },
        [&](const Status&) { completed << QStringLiteral("replaced"); });
    worker.submit([&](ConversionProgress&) {
        ranOn = QThread::currentThread();
        return Status::error(QStringLiteral("refused"));
    },
        [&](const Status& s) { completed << s.message(); });
    ASSERT_TRUE(idle(worker));
    EXPECT_EQ(completed, QStringList{QStringLiteral("refused")});
    EXPECT_NE(ranOn, QThread::currentThread());
    // One busy stretch for all three.
    EXPECT_EQ(busy, (QList<bool>{true, false}));
}

TEST(ConversionWorkerTest, EnqueuedJobWaitsForTheRunningOneAndCompletionsRunInOrder)
{
    ConversionWorker worker;
    QStringList order;
    worker.submit([](ConversionProgress&) { QThread::msleep(30); return Status::ok(); },
        [&](const Status&) { order << QStringLiteral("step"); });
    worker.enqueue([](ConversionProgress&) { return Status::ok(); },
        [&](const Status&) { order << QStringLiteral("finish"); });
    ASSERT_TRUE(idle(worker));
    EXPECT_EQ(order, (QStringList{QStringLiteral("step"), QStringLiteral("finish")}));
}

TEST(ConversionWorkerTest, CancelAndWaitReturnsOnlyOnceTheJobHasStopped)
{
    ConversionWorker worker;
    std::atomic<bool> started = false, running = false;
    bool completed = false;
    worker.submit([&](ConversionProgress& p) {
        running = true;
        const Status s = untilCancelled(p, started);
        running = false;
        return s;
    },
        [&](const Status&) { completed = true; });
    ASSERT_TRUE(waitFor([&] { return started.load(); }));
    worker.cancelAndWait();
    EXPECT_FALSE(running);
    ASSERT_TRUE(idle(worker));
    EXPECT_FALSE(completed);
}

TEST(ConversionWorkerTest, AllocationFailureInAJobIsItsStatus)
{
    ConversionWorker worker;
    std::optional<Status> result;
    worker.submit([](ConversionProgress&) -> Status { throw std::bad_alloc(); },
        [&](const Status& s) { result = s; });
    ASSERT_TRUE(idle(worker));
    ASSERT_TRUE(result.has_value());
    EXPECT_FALSE(*result);
}
