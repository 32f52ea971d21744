#include "conversion/ConversionWorker.h"
#include "conversion/PictureConversion.h"
#include "conversion/PictureLoader.h"
#include <new>

ConversionWorker::ConversionWorker(QObject* parent) : QObject(parent), m_context(new QObject)
{
    m_context->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_context, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("conversion worker"));
    m_thread.start();
}

ConversionWorker::~ConversionWorker()
{
    cancelAndWait();
    m_thread.quit();
    m_thread.wait();
}

void ConversionWorker::submit(Job job, Done done)
{
    cancel();
    enqueue(std::move(job), std::move(done));
}

void ConversionWorker::enqueue(Job job, Done done)
{
    auto entry = std::make_shared<Entry>();
    entry->job = std::move(job);
    entry->done = std::move(done);
    m_waiting.push_back(std::move(entry));
    if (!m_running)
        startNext();
}

void ConversionWorker::cancel()
{
    m_waiting.clear();
    if (m_running) {
        m_running->dropped = true;
        m_running->progress->cancel();
    }
}

void ConversionWorker::cancelAndWait()
{
    cancel();
    std::unique_lock lock(m_mutex);
    m_returned.wait(lock, [this] { return !m_jobActive; });
}

void ConversionWorker::startNext()
{
    if (m_waiting.empty()) {
        m_running.reset();
        Q_EMIT busyChanged(false);
        return;
    }
    const bool wasIdle = !m_running;
    m_running = m_waiting.front();
    m_waiting.pop_front();
    m_progress = m_running->progress;
    {
        const std::lock_guard lock(m_mutex);
        m_jobActive = true;
    }
    if (wasIdle)
        Q_EMIT busyChanged(true);
    const std::shared_ptr<Entry> entry = m_running;
    QMetaObject::invokeMethod(m_context, [this, entry] {
        // A job cancelled before it began does not begin.
        Status status = PictureConversion::cancelled();
        try {
            if (!entry->progress->cancelled())
                status = entry->job(*entry->progress);
        } catch (const std::bad_alloc&) {
            status = PictureLoader::outOfMemory();
        }
        // The job's captures may hold rasters: they go on the worker, not on the window's thread.
        entry->job = nullptr;
        {
            const std::lock_guard lock(m_mutex);
            m_jobActive = false;
        }
        m_returned.notify_all();
        QMetaObject::invokeMethod(this, [this, entry, status] { finished(entry, status); }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
}

void ConversionWorker::finished(const std::shared_ptr<Entry>& entry, const Status& status)
{
    if (entry != m_running)
        return;
    if (!entry->dropped && entry->done)
        entry->done(status);
    startNext();
}
