#pragma once
#include <QImage>
#include <QLine>
#include <QWidget>
#include <optional>

// The rhodes editor's drawing surface: the surface picture the editor painted, with the pending
// stitch drawn over it as an overlay. Moving the overlay repaints only the pixels the old and the
// new line cover, so a surface of thousands of pixels follows the pointer at once. Pointer
// presses and moves leave as surface pixels.
class RhodeSurfaceView : public QWidget
{
    Q_OBJECT
public:
    explicit RhodeSurfaceView(QWidget* parent = nullptr);

    void setSurface(const QImage& surface);
    const QImage& surface() const { return m_surface; }
    void setPending(const std::optional<QLine>& line);
    // The surface with the overlay, as the widget shows it (tests compare its pixels).
    QImage composed() const;

Q_SIGNALS:
    void pressed(const QPointF& pixel);
    void moved(const QPointF& pixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage m_surface;
    std::optional<QLine> m_pending;
};
