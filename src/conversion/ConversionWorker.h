#pragma once
#include "conversion/JobProgress.h"
#include "model/Status.h"
#include <QObject>
#include <QThread>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

// One worker thread for the long steps of a conversion: loading a picture, scaling, adjusting,
// resizing, matching and dithering run there one at a time, so the window keeps answering.
//
// A job gets its own progress, runs on the worker and returns a status; its completion runs on
// the window's thread afterwards, and only then does the next job start, so a completion may
// read whatever its job made. A job asked for later (`submit`) cancels the running one through
// its progress and replaces anything waiting: the cancelled job's completion never runs. A job
// that must see the earlier ones through (`enqueue`) waits behind them.
class ConversionWorker : public QObject
{
    Q_OBJECT
public:
    using Job = std::function<Status(ConversionProgress& progress)>;
    using Done = std::function<void(const Status& status)>;

    explicit ConversionWorker(QObject* parent = nullptr);
    ~ConversionWorker() override;

    void submit(Job job, Done done);
    void enqueue(Job job, Done done);
    // Cancels the running job and drops the waiting ones; none of their completions runs.
    void cancel();
    // cancel(), then blocks until the running job has returned: afterwards nothing the jobs
    // touch is in use on the worker.
    void cancelAndWait();
    bool busy() const { return m_running != nullptr; }
    // The running job's progress; a finished one's until the next starts.
    const JobProgress& progress() const { return *m_progress; }

Q_SIGNALS:
    void busyChanged(bool busy);

private:
    struct Entry
    {
        Job job;
        Done done;
        std::shared_ptr<JobProgress> progress = std::make_shared<JobProgress>();
        bool dropped = false;
    };

    void startNext();
    void finished(const std::shared_ptr<Entry>& entry, const Status& status);

    QThread m_thread;
    QObject* m_context;
    std::deque<std::shared_ptr<Entry>> m_waiting;
    std::shared_ptr<Entry> m_running;
    std::shared_ptr<JobProgress> m_progress = std::make_shared<JobProgress>();
    std::mutex m_mutex;
    std::condition_variable m_returned;
    bool m_jobActive = false;
};
