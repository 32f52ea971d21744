#pragma once

// The print dialog's options and the settings the layout reads, as plain values. The dialog and
// the command line fill one of these and hand it to TPreview before each calc.
struct PrintOptions
{
    // Target: the printer, or an image export of JPEGWidth x JPEGHeight pixels with cells of
    // JPEGGrid pixels.
    bool exportImage = false;
    int JPEGWidth = 900;
    int JPEGHeight = 800;
    int JPEGGrid = 20;

    // "GridX(mm)" and "GridY(mm)" in 1/100 mm (the spin values, 90 to 2010).
    int gridXSpin = 300;
    int gridYSpin = 300;

    bool pageNumbers = false;   // "Page numbers"
    bool gridNumbers = false;   // "Grid numbers"
    bool inlineBorder = false;  // "Inline border": the margins below, in mm
    int BorderLeft = 15;
    int BorderTop = 15;
    int BorderRight = 10;
    int BorderBottom = 15;

    bool keySizeFromDesign = true;    // "Key size corresponds to Design size"
    bool backStitchesSeparate = false; // "Print backstitches separate"

    // "Select Pages for Printing".
    bool printDesign = true;
    bool printLegend = true;
    bool printTitle = false;
    bool stitchList = false;
    bool printLabels = false;
    bool printContents = false;
    bool printInfo = false;

    bool knitting = false;  // cells 0.7 times as high as wide
    bool realSize = true;   // device px per mm kept fractional

    // Settings (first-start values).
    int LegendDistance = 5;   // mm
    int thickLines = 50;      // 1/100 mm
    int mediumLines = 20;
    int thinLines = 1;
    int backstitchLines = 60;
    int symbolSize = 100;     // percent
    int LabelGridHor = 10;
    int LabelGridVert = 27;

    bool legendOnly() const { return printLegend && !printDesign; }
};
