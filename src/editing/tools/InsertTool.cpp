#include "editing/tools/InsertTool.h"
#include "editing/HistoryFactories.h"
#include "model/DesignLimits.h"
#include <algorithm>

void InsertTool::arm(TInsertType type, int amount)
{
    m_type = type;
    m_amount = amount;
}

ToolFeedback InsertTool::onPress(ToolContext& context, const ToolPointer& pointer)
{
    m_held = true;
    const int position = std::max(0, m_type == itColumn ? pointer.cell.x() : pointer.cell.y());
    ToolFeedback feedback;
    if (!HistoryFactories::actionInsert(context.design, position, m_type, m_amount))
        feedback.refusal = DesignLimits::refusal();
    return feedback;
}

ToolFeedback InsertTool::onRelease(ToolContext&, const ToolPointer&)
{
    ToolFeedback feedback;
    feedback.usedUp = m_held;
    m_held = false;
    return feedback;
}
