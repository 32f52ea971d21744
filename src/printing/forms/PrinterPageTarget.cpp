#include "printing/forms/PrinterPageTarget.h"
#include "model/Translatable.h"
#include <QDir>
#include <QProcess>
#include <QTemporaryFile>

PrinterPageTarget::PrinterPageTarget(const QPrinter& printer, const QString& title, Submit submit)
    : m_printerName(printer.printerName()), m_title(title), m_submit(std::move(submit)), m_job(QPrinter::HighResolution)
{
    m_job.setOutputFormat(QPrinter::PdfFormat);
    m_job.setResolution(printer.resolution());
    m_job.setPageLayout(printer.pageLayout());
    m_job.setDocName(title);
}

PrinterPageTarget::~PrinterPageTarget()
{
    abort();
}

Status PrinterPageTarget::open()
{
    m_file = std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("threadwright-print-XXXXXX.pdf")));
    if (!m_file->open())
        return Status::error(TRANSLATABLE("Project was not printed"));
    m_file->close();
    m_job.setOutputFileName(m_file->fileName());
    if (!m_painter.begin(&m_job)) {
        m_file.reset();
        return Status::error(TRANSLATABLE("Project was not printed"));
    }
    return Status::ok();
}

bool PrinterPageTarget::newPage()
{
    return m_job.newPage();
}

int PrinterPageTarget::resolution() const
{
    return m_job.resolution();
}

Status PrinterPageTarget::finish()
{
    if (!m_painter.isActive() || !m_painter.end()) {
        abort();
        return Status::error(TRANSLATABLE("Project was not printed"));
    }
    const Status sent = m_submit(m_file->fileName(), m_printerName, m_title);
    m_file.reset();
    return sent;
}

void PrinterPageTarget::abort()
{
    if (m_painter.isActive()) {
        m_job.abort();
        m_painter.end();
    }
    m_file.reset();
}

Status PrinterPageTarget::submitToQueue(const QString& pdf, const QString& printer, const QString& title)
{
    QProcess lp;
    lp.start(QStringLiteral("lp"), {QStringLiteral("-d"), printer, QStringLiteral("-t"), title, QStringLiteral("--"), pdf});
    if (!lp.waitForFinished(60000) || lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0)
        return Status::error(TRANSLATABLE("Project was not printed"));
    return Status::ok();
}
