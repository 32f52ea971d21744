#pragma once
#include "editing/TMode.h"
#include <memory>

class BackStitchTool;
class EraserTool;
class FrenchKnotTool;
class PanTool;
class PenTool;
class PipetteTool;
class QuarterPenTool;
class ReplaceColorTool;
class RhodeTool;
class Tool;

// One tool object per mode that has pointer behaviour, owned for the life of the window. Modes
// without one (none, highlight, and those whose tools come later) get null.
class ToolBox
{
public:
    ToolBox();
    ~ToolBox();
    ToolBox(const ToolBox&) = delete;
    ToolBox& operator=(const ToolBox&) = delete;

    Tool* forMode(TMode mode) const;
    // Forgets every gesture: the design the tools worked on was replaced.
    void resetAll();

private:
    std::unique_ptr<PanTool> m_pan;
    std::unique_ptr<PenTool> m_pen;
    std::unique_ptr<QuarterPenTool> m_quarterPen;
    std::unique_ptr<EraserTool> m_eraser;
    std::unique_ptr<PipetteTool> m_pipette;
    std::unique_ptr<ReplaceColorTool> m_replaceColor;
    std::unique_ptr<BackStitchTool> m_backStitch;
    std::unique_ptr<FrenchKnotTool> m_frenchKnot;
    std::unique_ptr<RhodeTool> m_rhode;
};
