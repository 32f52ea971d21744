#pragma once

// The print dialog's drawing options (the check boxes that change how pages look, not how they
// are laid out). Each default is the dialog's initial state.
struct PageDrawOptions
{
    bool useColors = true;      // "Print with colors"
    bool real = false;          // "Print in real mode"
    bool cmyk = false;          // "Use CMYK Colors"
    bool grid = true;           // "Print Grid"
    bool symbols = true;        // "Print Symbols"
    bool ruler = true;          // "Print Ruler"
    bool circles = false;       // "Color Background as Circles"
    bool lightCircles = false;  // "Print Light Color around Circles"
    bool backStitches = true;   // "Print Backstitch"
    bool backSymbol = true;     // "Print Back Stitch Colour Symbol"
    bool rhodes = true;         // "Print Rhodes/French Knot"
};
