#pragma once
#include "imaging/TBitmap32.h"
#include <QAbstractScrollArea>
#include <QTimer>

// The picture to pick colours from, shown 1:1 from its top-left corner, with the outline of the
// picking cursor (a circle or a square of the cursor size) pulsing through twelve colours while
// the pointer is over the picture.
class TPickingView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit TPickingView(QWidget* parent = nullptr);

    void setPicture(const TBitmap32& picture);
    const TBitmap32& picture() const { return m_picture; }
    void setCircle(bool circle);
    void setCursorSize(int size);
    int cursorSize() const { return m_size; }
    // Whether the outline is drawn, where (picture coordinates) and in which pulse step.
    bool outlineShown() const { return m_inside; }
    QPoint cursorPosition() const { return m_at; }
    int pulseStep() const { return m_step; }
    bool pulsing() const { return m_timer.isActive(); }

Q_SIGNALS:
    // The button was released over the picture at this picture pixel.
    void picked(const QPoint& at);
    // The wheel asked for another cursor size (0 to 100).
    void cursorSizeRequested(int size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QPoint pictureAt(const QPoint& viewportPixel) const;
    void updateScrollBars();
    void hideOutline();

    TBitmap32 m_picture;
    QImage m_shown; // the picture as picking sees it: colour channels only, alpha ignored
    QTimer m_timer;
    QPoint m_at;
    bool m_inside = false;
    bool m_circle = true;
    int m_size = 30;
    int m_step = 0;
    int m_wheel = 0; // wheel delta not yet a whole notch
};
