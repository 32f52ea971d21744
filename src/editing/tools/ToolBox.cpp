#include "editing/tools/ToolBox.h"
#include "editing/tools/BackStitchTool.h"
#include "editing/tools/BorderTool.h"
#include "editing/tools/EraserTool.h"
#include "editing/tools/FillTool.h"
#include "editing/tools/FrenchKnotTool.h"
#include "editing/tools/OutlineTool.h"
#include "editing/tools/PanTool.h"
#include "editing/tools/PenTool.h"
#include "editing/tools/PipetteTool.h"
#include "editing/tools/QuarterPenTool.h"
#include "editing/tools/ReplaceColorTool.h"
#include "editing/tools/RhodeTool.h"
#include "editing/tools/ShapeTool.h"

namespace {
template <typename T>
std::unique_ptr<Tool> make()
{
    return std::make_unique<T>();
}

template <ShapeTool::Shape shape>
std::unique_ptr<Tool> makeShape()
{
    return std::make_unique<ShapeTool>(shape);
}

template <BorderTool::Side side>
std::unique_ptr<Tool> makeBorder()
{
    return std::make_unique<BorderTool>(side);
}

constexpr QPoint kPenTip(2, 29);
} // namespace

const std::vector<ToolEntry>& ToolBox::entries()
{
    using G = ToolGrid;
    // mode, grid, pen size, cursor and its hot spot (icons/cursors.txt), tool
    static const std::vector<ToolEntry> table = {
        {modSelection, G::cells, false, nullptr, {}, nullptr},
        {modCursor, G::cells, false, "crMove", {16, 16}, make<PanTool>},
        {modDraw, G::cells, true, "crDraw", kPenTip, make<PenTool>},
        {modQDraw, G::quarters, true, "crDraw", kPenTip, make<QuarterPenTool>},
        {modErase, G::cells, true, "crErase", {4, 27}, make<EraserTool>},
        {modPipette, G::cells, false, "crPipette", kPenTip, make<PipetteTool>},
        {modReplaceColor, G::cells, false, nullptr, {}, make<ReplaceColorTool>},
        {modFill, G::cells, false, "crFill", {25, 28}, make<FillTool>},
        {modBackStitch, G::points, false, nullptr, {}, make<BackStitchTool>},
        {modOutline, G::cells, false, nullptr, {}, make<OutlineTool>},
        {modLine, G::cells, true, nullptr, {}, makeShape<ShapeTool::Shape::line>},
        {modRectangle, G::cells, true, nullptr, {}, makeShape<ShapeTool::Shape::rectangle>},
        {modCircle, G::cells, true, nullptr, {}, makeShape<ShapeTool::Shape::circle>},
        {modInlineBorder, G::cells, false, nullptr, {}, makeBorder<BorderTool::Side::inside>},
        {modOutlineBorder, G::cells, false, nullptr, {}, makeBorder<BorderTool::Side::outside>},
        {modInsert, G::cells, false, nullptr, {}, nullptr},
        {modFrenchKnot, G::points, false, nullptr, {}, make<FrenchKnotTool>},
        {modRhode, G::points, false, nullptr, {}, make<RhodeTool>},
    };
    return table;
}

const ToolEntry* ToolBox::entryFor(TMode mode)
{
    for (const ToolEntry& entry : entries()) {
        if (entry.mode == mode)
            return &entry;
    }
    return nullptr;
}

ToolBox::ToolBox()
{
    for (const ToolEntry& entry : entries())
        m_tools.push_back(entry.make ? entry.make() : nullptr);
}

ToolBox::~ToolBox() = default;

Tool* ToolBox::forMode(TMode mode) const
{
    const std::vector<ToolEntry>& table = entries();
    for (size_t i = 0; i < table.size(); ++i) {
        if (table[i].mode == mode)
            return m_tools[i].get();
    }
    return nullptr;
}

void ToolBox::resetAll()
{
    for (const auto& tool : m_tools) {
        if (tool)
            tool->reset();
    }
}
