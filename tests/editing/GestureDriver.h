#pragma once
#include "editing/CellCoexistence.h"
#include "editing/StitchOperations.h"
#include "editing/StrokeCapture.h"
#include <QList>
#include <QPoint>

class Design;

// Plays the pen and quarter-pen strokes the way the tools do: the pen footprint around each
// centre, the cells and quarters a stroke already touched skipped on later moves, the
// coexistence rule applied, and the stroke handed to the history at release.
class GestureDriver
{
public:
    GestureDriver(Design& design, bool allowQuarterOverCross);

    // Press at the first centre, moves through the others, release. False when nothing was
    // recorded.
    bool penStroke(const QList<QPoint>& centres, int size, TColorRef color);
    bool quarterStroke(const QList<QPoint>& centres, int size, TColorRef color);

    // The stroke's capture of the last stroke (kept after release for inspection).
    const StrokeCapture& lastStroke() const { return m_stroke; }

private:
    Design& m_design;
    StitchOperations m_ops;
    CellCoexistence m_rule;
    StrokeCapture m_stroke;
};
