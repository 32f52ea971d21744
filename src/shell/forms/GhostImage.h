#pragma once
#include <QImage>
#include <QWidget>

// The picture area of the shadow picture's window: the picture at a scale, moved by an offset,
// on grey, each view pixel taking the nearest picture pixel.
class GhostImage : public QWidget
{
    Q_OBJECT
public:
    explicit GhostImage(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    void setScale(double scale);
    double scale() const { return m_scale; }
    void setOffset(const QPoint& offset);

Q_SIGNALS:
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage m_picture;
    double m_scale = 1.0;
    QPoint m_offset;
};
