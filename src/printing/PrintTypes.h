#pragma once
// The enumerations of the print layout, in their fixed order.

// Paper orientation chosen in the print dialog; fAuto prints as portrait.
enum TFormat { fPortrait, fLandscape, fAuto };

// Where the key (the colour legend) goes: beside the chart on its pages, or on pages of its own.
enum TPosition { pLeft, pTop, pRight, pBottom, pSeparate };

// The kind of a page: three chart kinds, then the book pages (title, info, stitch steps list,
// table of contents, labels).
enum TPrintStitches {
    psCrossStitchOnly,
    psBackStitchOnly,
    psBoth,
    psBookHeader,
    psBookFooter,
    psStitchList,
    psContents,
    psLabels
};

// A key entry stands for the full and quarter stitches of a colour, or for its back stitches.
enum TColorType { ctCross, ctBack };
