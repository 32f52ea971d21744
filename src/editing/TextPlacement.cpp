#include "editing/TextPlacement.h"
#include "editing/ClipboardBuffer.h"
#include "editing/HistoryFactories.h"
#include "model/Design.h"
#include "model/DesignLimits.h"
#include <QImage>
#include <algorithm>

Status TextPlacement::enlargeFor(Design& design, const QSize& size)
{
    const int width = std::max(size.width(), design.width());
    const int height = std::max(size.height(), design.height());
    if (width == design.width() && height == design.height())
        return Status::ok();
    if (!DesignLimits::sizeAllowed(width, height))
        return DesignLimits::refusal();
    HistoryFactories::actionChangeDimensions(design, width, height);
    design.stitch.Change();
    return Status::ok();
}

void TextPlacement::fillBuffer(ClipboardBuffer& buffer, const QImage& mask, TColorRef color, TColor32 background)
{
    buffer.reset(mask.width(), mask.height(), background);
    const TColor32 stitch = stitchPixel(color);
    for (int y = 0; y < mask.height(); ++y) {
        const uchar* ink = mask.constScanLine(y);
        for (int x = 0; x < mask.width(); ++x) {
            if (ink[x])
                buffer.bitmap.setPixel(x, y, stitch);
        }
    }
}
