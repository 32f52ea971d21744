#include "editing/EditingRecount.h"
#include "editing/StitchOperations.h"
#include "model/ColorUsage.h"
#include "model/Design.h"

void EditingRecount::recount(Design& design)
{
    ColorUsage::CalcColorUsage(design);
    for (const TFrenchKnot& knot : design.FrenchKnotList)
        design.stitch.Colors.at(knot.Color).colorCount += StitchOperations::kFrenchKnotWeight - 1;
}
