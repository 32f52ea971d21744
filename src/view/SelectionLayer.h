#pragma once
#include "editing/TRect.h"
#include "view/ViewGeometry.h"
#include <QRect>
#include <QRegion>

class ClipboardBuffer;
class QPainter;

// The selection as the work view shows it: floating content drawn straight from the clipboard
// buffer, and over everything the frame, a one-pixel stipple outline with red handles.
//
// Both draw only what meets the rectangle asked for, so their cost follows the view's size and
// never the buffer's. The frame's outline runs around the view pixels
// ((Left - h) x CellWidth, (Top - v) x CellHeight) to ((Right - h) x CellWidth,
// (Bottom - v) x CellHeight), both ends included; its stipple cycles through four phases.
class SelectionLayer
{
public:
    static constexpr int kPhases = 4;
    static constexpr quint32 kHandleColor = 0xFFFF0000u;

    // The outline's rectangle in view pixels.
    static QRect frameRect(const TRect& selection, const ViewGeometry& g);
    // The view pixels the frame covers: its outline and its handles.
    static QRegion frameRegion(const TRect& selection, const ViewGeometry& g);
    static void drawFrame(QPainter& p, const TRect& selection, const ViewGeometry& g, int phase, const QRect& area);

    // Floating content at the selection's place: each non-empty cell a block of its colour, each
    // non-empty quarter the quarter's block, back stitches 5 and rhode stitches 3 pixels wide,
    // knots as filled circles; empty cells let the design show through.
    static void drawFloating(QPainter& p, const ClipboardBuffer& buffer, const TRect& selection, const ViewGeometry& g,
        const QRect& area);
};
