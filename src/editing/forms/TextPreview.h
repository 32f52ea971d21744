#pragma once
#include <QImage>
#include <QWidget>

// The text dialog's preview: every stitch of the mask as a zoom x zoom block of the thread
// colour on the design's background. Only the exposed part is painted, so a long line at a high
// zoom needs no enlarged picture.
class TextPreview : public QWidget
{
    Q_OBJECT
public:
    explicit TextPreview(QWidget* parent = nullptr);

    void display(const QImage& mask, QRgb ink, QRgb background, int zoom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture; // the mask in its colours, one pixel per stitch
    int m_zoom = 1;
};
