#pragma once
#include "printing/PageTarget.h"
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPdfWriter>
#include <memory>

// Page pictures as the export makes them: white 32-bit images at 72 dpi, drawn without
// antialiasing.
class ImagePages : public PageTarget
{
public:
    explicit ImagePages(const QSize& size);
    QPainter& painter() override { return *m_painter; }
    bool newPage() override;
    int resolution() const override { return 72; }
    // Ends the open page and hands over every page.
    QList<QImage> finish();

private:
    void open();

    QSize m_size;
    QList<QImage> m_pages;
    std::unique_ptr<QPainter> m_painter;
};

// An A4 PDF at 1200 dpi without device margins.
class PdfPages : public PageTarget
{
public:
    explicit PdfPages(const QString& fileName);
    QPainter& painter() override { return m_painter; }
    bool newPage() override { return m_writer.newPage(); }
    int resolution() const override { return m_writer.resolution(); }
    void finish() { m_painter.end(); }

private:
    QPdfWriter m_writer;
    QPainter m_painter;
};
