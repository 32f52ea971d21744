#include "model/Translatable.h"
#include "conversion/ConversionGeometry.h"
#include "imaging/Rounding.h"
#include "model/DesignLimits.h"
#include <algorithm>

QRect ConversionGeometry::cropRect(const QRectF& SelectionRect)
{
    const int left = rnd(SelectionRect.left());
    const int top = rnd(SelectionRect.top());
    const int right = rnd(SelectionRect.right());
    const int bottom = rnd(SelectionRect.bottom());
    return QRect(left, top, right - left, bottom - top);
}

QRect ConversionGeometry::cropOf(const QRectF& SelectionRect, const QSize& picture)
{
    return cropRect(SelectionRect.isNull() ? QRectF(QPointF(0, 0), QSizeF(picture)) : SelectionRect);
}

Status ConversionGeometry::cropPicture(const TBitmap32& PictureSource, const QRect& crop, TBitmap32& preAdjustmentsBitmap)
{
    const QRect inside = crop.intersected(QRect(0, 0, PictureSource.width(), PictureSource.height()));
    if (crop.width() <= 0 || crop.height() <= 0 || inside != crop) {
        return Status::error(TRANSLATABLE("The chosen part of the picture (%1 x %2 pixels at %3, %4) is empty or "
                                          "lies outside the picture."),
            {QString::number(crop.width()), QString::number(crop.height()), QString::number(crop.left()),
                QString::number(crop.top())});
    }
    if (crop == QRect(0, 0, PictureSource.width(), PictureSource.height())) {
        preAdjustmentsBitmap = PictureSource;
        return Status::ok();
    }
    TBitmap32 copy;
    copy.image() = PictureSource.image().copy(crop);
    if (copy.empty())
        throw std::bad_alloc();
    preAdjustmentsBitmap = copy;
    return Status::ok();
}

namespace {
QSize fitted(const QSize& adjusted, int S)
{
    const double q = double(adjusted.width()) / adjusted.height();
    return 1 > q ? QSize(rnd(S * q), S) : QSize(S, rnd(S / q));
}
} // namespace

// A longer side of 32767 alone would still allow 32767 x 32767 stitches: the largest S is the
// one whose whole design fits the limits (a design grows with S, so halving finds it).
int ConversionGeometry::maxSizeLimit(const QSize& adjusted)
{
    int high = std::min(std::max(adjusted.width(), adjusted.height()), DesignLimits::kMaxSide);
    if (adjusted.isEmpty())
        return high;
    int low = 2;
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        const QSize size = fitted(adjusted, middle);
        if (DesignLimits::sizeAllowed(std::max(1, size.width()), std::max(1, size.height())))
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

QSize ConversionGeometry::stitchSize(const QSize& adjusted, int S)
{
    if (adjusted.isEmpty())
        return QSize(0, 0);
    S = std::min(std::max(S, 2), maxSizeLimit(adjusted));
    return fitted(adjusted, S);
}

QSize ConversionGeometry::shadowSize(const QSize& adjusted)
{
    const int m = std::max(adjusted.width(), adjusted.height());
    if (m <= kShadowSide)
        return adjusted;
    const auto side = [m](int length) { return std::max(1, int(qint64(length) * kShadowSide / m)); };
    return QSize(side(adjusted.width()), side(adjusted.height()));
}

Status ConversionGeometry::checkDesignSize(const QSize& size)
{
    if (DesignLimits::sizeAllowed(size.width(), size.height()))
        return Status::ok();
    return Status::error(TRANSLATABLE("A design of %1 x %2 stitches cannot be made: a design must be 1 to %3 "
                                      "stitches wide and high, with at most %4 stitches."),
        {QString::number(size.width()), QString::number(size.height()), QString::number(DesignLimits::kMaxSide),
            QString::number(DesignLimits::kMaxCells)});
}

double ConversionGeometry::fitZoom(const QSize& picture, const QSize& viewport)
{
    if (picture.isEmpty() || viewport.isEmpty())
        return 1.0;
    if (viewport.width() >= picture.width() && viewport.height() > picture.height())
        return 1.0;
    const double zoom = std::min(double(viewport.width()) / picture.width(), double(viewport.height()) / picture.height());
    return std::clamp(zoom, kMinZoom, 1.0);
}

QSize ConversionGeometry::zoomedSize(const QSize& picture, double zoom)
{
    return QSize(std::max(1, rnd(picture.width() * zoom)), std::max(1, rnd(picture.height() * zoom)));
}

namespace {
// A move keeps the frame's size and puts it back on the bitmap where it left it.
QRectF keptOnView(QRectF r, const QPointF& o, const QSizeF& view)
{
    const double w = std::min(r.width(), view.width());
    const double h = std::min(r.height(), view.height());
    const double left = std::clamp(r.left(), o.x(), o.x() + view.width() - w);
    const double top = std::clamp(r.top(), o.y(), o.y() + view.height() - h);
    return QRectF(left, top, w, h);
}
} // namespace

QRectF ConversionGeometry::RubberResize(TDragKind kind, const QRectF& old, const QRectF& proposed, const QPointF& offset,
    const QSizeF& view, double zoom)
{
    if (kind == dkMove)
        return keptOnView(QRectF(proposed.topLeft(), old.size()), offset, view);
    double L = dragsLeft(kind) ? std::max(proposed.left(), offset.x()) : old.left();
    double T = dragsTop(kind) ? std::max(proposed.top(), offset.y()) : old.top();
    double R = dragsRight(kind) ? std::min(proposed.right(), offset.x() + view.width()) : old.right();
    double B = dragsBottom(kind) ? std::min(proposed.bottom(), offset.y() + view.height()) : old.bottom();
    // Two picture pixels a side at least: a thinner crop has no proportions to keep.
    const double least = 2.0 * zoom;
    if (R - L < least || B - T < least)
        return old;
    return QRectF(QPointF(L, T), QPointF(R, B));
}

QRectF ConversionGeometry::selectionFromFrame(const QRectF& frame, const QPointF& offset, double zoom, const QSize& picture)
{
    const double left = std::max(0.0, (frame.left() - offset.x()) / zoom);
    const double top = std::max(0.0, (frame.top() - offset.y()) / zoom);
    const double right = std::min(double(picture.width()), (frame.right() - offset.x()) / zoom);
    const double bottom = std::min(double(picture.height()), (frame.bottom() - offset.y()) / zoom);
    return QRectF(QPointF(float(left), float(top)), QPointF(float(right), float(bottom)));
}

QRectF ConversionGeometry::frameFromSelection(const QRectF& SelectionRect, const QPointF& offset, double zoom)
{
    return QRectF(SelectionRect.left() * zoom + offset.x(), SelectionRect.top() * zoom + offset.y(),
        SelectionRect.width() * zoom, SelectionRect.height() * zoom);
}
