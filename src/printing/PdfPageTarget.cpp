#include "printing/PdfPageTarget.h"
#include "model/Translatable.h"

PdfPageTarget::PdfPageTarget(const QString& fileName, const QPageLayout& layout, int resolution, const QString& title)
    : m_fileName(fileName), m_file(fileName), m_resolution(resolution)
{
    m_writer = std::make_unique<QPdfWriter>(&m_file);
    m_writer->setResolution(resolution);
    QPageLayout page = layout;
    page.setMinimumMargins(QMarginsF());
    page.setMargins(QMarginsF());
    m_writer->setPageLayout(page);
    m_writer->setTitle(title);
    m_writer->setCreator(QStringLiteral("Threadwright"));
}

PdfPageTarget::~PdfPageTarget()
{
    abort();
}

Status PdfPageTarget::failed()
{
    const QString reason = m_file.errorString();
    abort();
    return Status::error(TRANSLATABLE("Could not write the file %1: %2"), {m_fileName, reason});
}

Status PdfPageTarget::open()
{
    if (!m_file.open(QIODevice::WriteOnly) || !m_painter.begin(m_writer.get()))
        return failed();
    return Status::ok();
}

QSize PdfPageTarget::pageSize() const
{
    return {m_writer->width(), m_writer->height()};
}

bool PdfPageTarget::newPage()
{
    return m_writer->newPage() && m_file.error() == QFileDevice::NoError;
}

Status PdfPageTarget::finish()
{
    if (!m_painter.isActive() || !m_painter.end() || m_file.error() != QFileDevice::NoError || !m_file.commit())
        return failed();
    return Status::ok();
}

void PdfPageTarget::abort()
{
    if (m_painter.isActive())
        m_painter.end();
    if (m_file.isOpen()) {
        // A cancelled save file drops its temporary without touching the named file.
        m_file.cancelWriting();
        m_file.commit();
    }
}
