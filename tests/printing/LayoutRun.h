#pragma once
#include "model/Design.h"
#include "printing/TPreview.h"
#include <memory>

// A print layout of an empty W x H design whose key has `entries` cross entries (the layout
// needs only their number), for an image export of 900 x 800 pixels with cells of 20 pixels
// and the first-start settings. Tests change the options and call calc.
struct LayoutRun
{
    LayoutRun(int width, int height, int entries);

    const TMyPage& page(int column, int row) const;
    bool hasPage(int column, int row) const { return preview.PageMap.count(QPoint(column, row)) != 0; }
    // Adds a back stitch, so that back stitches printed apart get pages of their own.
    void addBackStitch();

    std::unique_ptr<Design> design;
    TPreview preview;
};
