#pragma once
#include "editing/TMode.h"

class Design;
class RhodeShapes;

// What the tools read besides the pointer: the open design (its drawing colour and pen size
// are properties of its document), the settings the main window holds, and the shape library
// of the rhodes tool. The window builds one for every pointer event, so a tool never keeps a
// design that may have been replaced.
struct ToolContext
{
    Design& design;
    // Full and quarter stitches may share a cell (the setting AllowQuarterOverCross).
    bool allowQuarterOverCross = false;
    // The eraser and the replace-colour tool only find back stitches while they are shown.
    bool backStitchesVisible = true;
    // A new back stitch starts where the last one ended.
    bool backStitchesContinue = true;
    const RhodeShapes* rhodeShapes = nullptr;
    // Rectangles and circles are drawn filled or as outlines.
    TFillMode fillMode = fillNone;
    // The border tools' corners: round takes the cells touching the outside through a side only.
    bool roundCorners = false;
};
