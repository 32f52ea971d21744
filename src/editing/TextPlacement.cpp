#include "editing/TextPlacement.h"
#include "editing/HistoryFactories.h"
#include "model/Design.h"
#include "model/DesignLimits.h"
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
