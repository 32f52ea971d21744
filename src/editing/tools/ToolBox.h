#pragma once
#include "editing/TMode.h"
#include "editing/tools/ToolGrid.h"
#include <QPoint>
#include <memory>
#include <vector>

class Tool;

// What the window needs to know of a mode's tool: one entry per mode, in ToolBox's table.
struct ToolEntry
{
    TMode mode;
    // The grid the pointer position is shown in and the tool works in.
    ToolGrid grid;
    // The pen-size button applies.
    bool usesPenSize;
    // The view's cursor: a picture name ("crDraw") with its hot spot, or null for the arrow.
    const char* cursor;
    QPoint hotSpot;
    // Makes the mode's tool; null while the mode has no pointer behaviour of its own here.
    std::unique_ptr<Tool> (*make)();
};

// The tools of the window: one table with an entry per mode that has a tool, a cursor or a pen
// size (adding a tool is one entry), and one tool object per entry that makes one, owned for
// the life of the window. Modes without an entry (none, highlight) get no tool, the arrow and
// no pen size.
class ToolBox
{
public:
    ToolBox();
    ~ToolBox();
    ToolBox(const ToolBox&) = delete;
    ToolBox& operator=(const ToolBox&) = delete;

    static const std::vector<ToolEntry>& entries();
    // The entry of a mode, or null.
    static const ToolEntry* entryFor(TMode mode);

    Tool* forMode(TMode mode) const;
    // Forgets every gesture: the design the tools worked on was replaced.
    void resetAll();

private:
    // One per entry, in the table's order; null where the entry makes none.
    std::vector<std::unique_ptr<Tool>> m_tools;
};
