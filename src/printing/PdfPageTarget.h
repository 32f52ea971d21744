#pragma once
#include "printing/RunTarget.h"
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <memory>

// A PDF file written by Qt's own PDF engine (text stays text) into a temporary that replaces
// the named file only when the document is complete; an abort or a failure leaves an existing
// file whole.
class PdfPageTarget : public RunTarget
{
public:
    // `layout` gives the paper and orientation (its margins are ignored: the page has none).
    PdfPageTarget(const QString& fileName, const QPageLayout& layout, int resolution, const QString& title);
    ~PdfPageTarget() override;

    // Opens the file and the first page; the run starts only when this succeeds.
    Status open();

    QPainter& painter() override { return m_painter; }
    bool newPage() override;
    int resolution() const override { return m_resolution; }
    Status finish() override;
    void abort() override;

    // The size of a page in device pixels.
    QSize pageSize() const;

private:
    Status failed();

    QString m_fileName;
    QSaveFile m_file;
    std::unique_ptr<QPdfWriter> m_writer;
    QPainter m_painter;
    int m_resolution;
};
