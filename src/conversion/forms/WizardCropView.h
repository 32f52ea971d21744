#pragma once
#include "editing/RubberResize.h"
#include <QImage>
#include <QRectF>
#include <QWidget>
#include <functional>

// The crop page's view: the zoomed picture with the crop frame and its eight handles. The
// widget only turns the pointer into a drag kind and a proposed frame; `frameDragged` decides
// the frame that is kept (the conversion geometry's correction) and hands it back.
class WizardCropView : public QWidget
{
public:
    explicit WizardCropView(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    void setFrame(const QRectF& frame);
    const QRectF& frame() const { return m_frame; }

    std::function<void(TDragKind kind, const QRectF& proposed)> frameDragged;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::optional<TDragKind> kindAt(const QPointF& pos) const;
    QRectF proposal(const QPointF& pos) const;

    QImage m_picture;
    QRectF m_frame;
    std::optional<TDragKind> m_drag;
    QPointF m_pressed;
    QRectF m_pressedFrame;
};
