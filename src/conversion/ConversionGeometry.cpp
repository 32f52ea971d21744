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

int ConversionGeometry::maxSizeLimit(const QSize& adjusted)
{
    return std::min(std::max(adjusted.width(), adjusted.height()), DesignLimits::kMaxSide);
}

QSize ConversionGeometry::stitchSize(const QSize& adjusted, int S)
{
    if (adjusted.isEmpty())
        return QSize(0, 0);
    S = std::min(std::max(S, 2), maxSizeLimit(adjusted));
    const double q = double(adjusted.width()) / adjusted.height();
    if (1 > q)
        return QSize(rnd(S * q), S);
    return QSize(S, rnd(S / q));
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
