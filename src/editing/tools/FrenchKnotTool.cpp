#include "editing/tools/FrenchKnotTool.h"
#include "editing/HistoryFactories.h"
#include "editing/StitchOperations.h"
#include "model/Design.h"

ToolFeedback FrenchKnotTool::onPress(ToolContext& context, const ToolPointer& pointer)
{
    Design& d = context.design;
    const TColorRef color = d.stitch.drawcolor();
    if (!pointer.pointInside || color == d.stitch.BackGroundColor)
        return {};
    const TFrenchKnot knot{pointer.point, color, int(d.FrenchKnotList.size())};
    StitchOperations(d).frenchKnotAdd(knot, true);
    HistoryFactories::actionDrawFrenchKnot(d, knot);
    return {};
}
