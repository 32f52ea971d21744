#pragma once
#include "printing/RunTarget.h"
#include <QPainter>
#include <QPrinter>
#include <functional>
#include <memory>

class QTemporaryFile;

// The pages of a run for a printer. Qt's print engine on this platform cannot take back a job
// once its document is ended, so the pages go into a private PDF on the printer's own page and
// resolution, and only a completed run hands that file to the printer's queue. An abort (a
// failure or Cancel) deletes it: nothing of a partial chart is ever printed.
class PrinterPageTarget : public RunTarget
{
public:
    // Hands the finished PDF to the named queue.
    using Submit = std::function<Status(const QString& pdf, const QString& printer, const QString& title)>;

    PrinterPageTarget(const QPrinter& printer, const QString& title, Submit submit = submitToQueue);
    ~PrinterPageTarget() override;

    // Begins the document; the run starts only when this succeeds.
    Status open();

    QPainter& painter() override { return m_painter; }
    bool newPage() override;
    int resolution() const override;
    Status finish() override;
    void abort() override;

    // The queue's own client: `lp -d PRINTER -t TITLE PDF`.
    static Status submitToQueue(const QString& pdf, const QString& printer, const QString& title);

private:
    QString m_printerName;
    QString m_title;
    Submit m_submit;
    QPrinter m_job;
    QPainter m_painter;
    std::unique_ptr<QTemporaryFile> m_file;
};
