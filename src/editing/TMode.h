#pragma once

// The tool of the work view. The ordinal values are fixed: tool tables and settings index by them.
enum TMode {
    modNone,
    modSelection,
    modCursor,
    modDraw,
    modQDraw,
    modErase,
    modPipette,
    modReplaceColor,
    modFill,
    modHighlight,
    modBackStitch,
    modOutline,
    modLine,
    modRectangle,
    modCircle,
    modInlineBorder,
    modOutlineBorder,
    modInsert,
    modFrenchKnot,
    modRhode,
};

// Whether rectangles and circles are drawn filled or as outlines.
enum TFillMode { fillFull, fillNone };
