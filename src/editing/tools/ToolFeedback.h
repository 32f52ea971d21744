#pragma once
#include <QPoint>

// What a pointer event asks of the window besides the changes the design announced itself.
struct ToolFeedback
{
    // Scroll the view by this many columns and rows (the cursor tool drags the design).
    QPoint scroll;
    // The tool's preview changed: show Tool::preview() again.
    bool previewChanged = false;
    // Show the pointer position in the status bar. The eraser's move that stays on its last
    // cell and the pipette's move outside the design leave it as it is.
    bool showPosition = true;
    // The selection frame moved or changed its size: show it again.
    bool selectionChanged = false;
};
