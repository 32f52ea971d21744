#pragma once
#include "editing/TMode.h"
#include "editing/tools/ToolBox.h"
#include "editing/tools/ToolContext.h"
#include "editing/tools/ToolPointer.h"
#include <memory>

class Design;
class RhodeShapes;
class Tool;

// What the steps of `edit` drive: the open design, one tool object per mode (the window's
// ToolBox) and the settings the window keeps for them. Positions come in the grid of the
// current tool and reach the tools as the window's pointer values at zoom 8, through the same
// mapping of view pixels (PointerMapping), so a script and a user's clicks take one path.
class EditState
{
public:
    EditState(Design& design, bool allowQuarterOverCross, std::unique_ptr<RhodeShapes> rhodeShapes);
    ~EditState();

    Design& design() { return m_design; }
    TMode mode() const { return m_mode; }
    Tool* tool() const { return m_tools.forMode(m_mode); }
    ToolContext context();

    // Entering a mode ends the gesture of the old one, as the window's mode switch does.
    void enterMode(TMode mode);
    // Ends the gesture in progress (what it wrote is recorded), as before an undo or a save.
    void finishGesture();

    // The pointer over the middle of a cell or a quarter cell, or exactly on a half-cell point,
    // depending on the current tool's grid.
    ToolPointer pointerAt(const QPoint& position) const;

    TFillMode fillMode = fillNone;
    bool roundCorners = false;

private:
    Design& m_design;
    ToolBox m_tools;
    TMode m_mode = modDraw;
    bool m_allowQuarterOverCross;
    std::unique_ptr<RhodeShapes> m_rhodeShapes;
};
