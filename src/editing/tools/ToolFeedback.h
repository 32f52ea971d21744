#pragma once
#include "model/Status.h"
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
    // The tool was used once and the window returns to the mode it came from (the insert tool).
    bool usedUp = false;
    // Why the tool refused the press, for a message; ok when it did not refuse.
    Status refusal;
    // The selection frame moved or changed its size: show it again.
    bool selectionChanged = false;
};
