#pragma once
#include "editing/TInsertType.h"
#include "editing/tools/Tool.h"

// The insert tool (modInsert), armed by the insert dialog for one press: the press inserts
// `amount` empty columns before the cell's column (rows before its row) and records it; a press
// right of or below the design appends at that edge. The release hands the mode back. An
// insertion the size limits refuse changes nothing and says why.
class InsertTool : public Tool
{
public:
    void arm(TInsertType type, int amount);

protected:
    ToolFeedback onPress(ToolContext& context, const ToolPointer& pointer) override;
    ToolFeedback onRelease(ToolContext& context, const ToolPointer& pointer) override;

private:
    TInsertType m_type = itRow;
    int m_amount = 1;
};
