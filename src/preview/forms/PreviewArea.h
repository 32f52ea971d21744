#pragma once
#include <QAbstractScrollArea>

class PreviewRenderer;

// The scroll box of the real preview, scrolled by pixels. It never holds the picture: each
// paint renders exactly the exposed part of the picture through the renderer, and paints grey
// where the window is larger than the picture. The wheel leaves as a signal for the window.
class PreviewArea : public QAbstractScrollArea
{
    Q_OBJECT
public:
    static constexpr QRgb kOutside = 0xFF808080u;

    explicit PreviewArea(QWidget* parent = nullptr);

    // The renderer whose picture is shown (not owned; null shows grey only).
    void setRenderer(PreviewRenderer* renderer);
    // Scroll ranges for the renderer's current picture size; repaints everything.
    void pictureChanged();

Q_SIGNALS:
    // `steps`: +1 for a turn away from the user, -1 towards; `position` in viewport pixels.
    void wheelTurned(const QPoint& position, int steps);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    PreviewRenderer* m_renderer = nullptr;
};
