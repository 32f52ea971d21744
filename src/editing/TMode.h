#pragma once

// The tool of the work view. The ordinal values are the program's own and are kept.
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
