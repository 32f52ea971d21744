#pragma once
#include "editing/tools/ToolPreview.h"
#include "imaging/ColorValues.h"
#include <QImage>

class SelectionSession;

// What the work view shows besides the full stitches.
struct ViewOptions
{
    bool grid = true;
    bool symbols = false;
    bool backStitches = true;
    int zoom = 8; // symbols show from zoom 8 on
    // Highlight mode: every colour but the drawing colour in its highlight grey.
    bool highlight = false;
    TColorRef highlightColor = 0;
    // The shadow picture laid over the chart (null: not shown), below the tool's preview, with
    // its opacity 0..255.
    QImage shadow;
    int shadowOpacity = 50;
    // What the current tool shows without writing it, drawn over everything else.
    ToolPreview preview;
    // The window's selection; its floating content is drawn over the design, under the preview.
    const SelectionSession* selection = nullptr;
};
