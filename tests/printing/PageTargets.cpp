#include "PageTargets.h"
#include <QPageLayout>
#include <QPageSize>

ImagePages::ImagePages(const QSize& size)
    : m_size(size)
{
    open();
}

void ImagePages::open()
{
    QImage page(m_size, QImage::Format_RGB32);
    page.setDotsPerMeterX(2835);
    page.setDotsPerMeterY(2835);
    page.fill(Qt::white);
    m_pages.append(page);
    m_painter = std::make_unique<QPainter>(&m_pages.last());
}

bool ImagePages::newPage()
{
    m_painter.reset();
    open();
    return true;
}

QList<QImage> ImagePages::finish()
{
    m_painter.reset();
    return m_pages;
}

PdfPages::PdfPages(const QString& fileName)
    : m_writer(fileName)
{
    m_writer.setResolution(1200);
    m_writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    m_writer.setCreator(QStringLiteral("Threadwright"));
    m_painter.begin(&m_writer);
}
