#include "editing/tools/ToolBox.h"
#include "editing/tools/BackStitchTool.h"
#include "editing/tools/EraserTool.h"
#include "editing/tools/FrenchKnotTool.h"
#include "editing/tools/PanTool.h"
#include "editing/tools/PenTool.h"
#include "editing/tools/PipetteTool.h"
#include "editing/tools/QuarterPenTool.h"
#include "editing/tools/ReplaceColorTool.h"
#include "editing/tools/RhodeTool.h"

ToolBox::ToolBox()
    : m_pan(std::make_unique<PanTool>())
    , m_pen(std::make_unique<PenTool>())
    , m_quarterPen(std::make_unique<QuarterPenTool>())
    , m_eraser(std::make_unique<EraserTool>())
    , m_pipette(std::make_unique<PipetteTool>())
    , m_replaceColor(std::make_unique<ReplaceColorTool>())
    , m_backStitch(std::make_unique<BackStitchTool>())
    , m_frenchKnot(std::make_unique<FrenchKnotTool>())
    , m_rhode(std::make_unique<RhodeTool>())
{
}

ToolBox::~ToolBox() = default;

Tool* ToolBox::forMode(TMode mode) const
{
    switch (mode) {
    case modCursor:
        return m_pan.get();
    case modDraw:
        return m_pen.get();
    case modQDraw:
        return m_quarterPen.get();
    case modErase:
        return m_eraser.get();
    case modPipette:
        return m_pipette.get();
    case modReplaceColor:
        return m_replaceColor.get();
    case modBackStitch:
        return m_backStitch.get();
    case modFrenchKnot:
        return m_frenchKnot.get();
    case modRhode:
        return m_rhode.get();
    default:
        return nullptr;
    }
}

void ToolBox::resetAll()
{
    for (Tool* tool : std::initializer_list<Tool*>{m_pan.get(), m_pen.get(), m_quarterPen.get(), m_eraser.get(),
             m_pipette.get(), m_replaceColor.get(), m_backStitch.get(), m_frenchKnot.get(), m_rhode.get()})
        tool->reset();
}
