#include "FuzzDesignCheck.h"
#include "FuzzSupport.h"
#include "model/Design.h"
#include "model/DesignLimits.h"
#include "view/ChartRenderer.h"
#include <QImage>

namespace {
// A window's worth of the work view at the top-left of the design, with symbols, as the main
// window shows an opened design: stitches anywhere in the lists must not trouble the view.
void renderView(const Design& design)
{
    ViewOptions options;
    options.symbols = true;
    options.zoom = ViewGeometry::kSmallestZoomWithSymbols;
    const ViewGeometry geometry = ViewGeometry::forZoom(options.zoom, false);
    QImage frame(96, 64, QImage::Format_RGB32);
    ChartRenderer().render(frame, frame.rect(), design, geometry, options);
}
} // namespace

void FuzzDesignCheck::loadAndCheck(const QString& fileName)
{
    auto design = FuzzSupport::freshDesign();
    const DesignFiles::LoadResult result = DesignFiles::load(fileName, *design);
    FuzzSupport::checkNamesFile(result.status, fileName);
    for (const Status& warning : result.warnings) {
        if (!warning.text().contains(fileName))
            FuzzSupport::fail("a warning does not name the file", warning.text());
    }
    if (!result.status)
        return;
    if (!DesignLimits::sizeAllowed(design->width(), design->height()))
        FuzzSupport::fail("a design beyond the limits was loaded");
    if (design->QuarterLayer.width() != 2 * design->width() || design->QuarterLayer.height() != 2 * design->height())
        FuzzSupport::fail("the quarter raster does not fit the design");
    renderView(*design);
}
