#pragma once
#include "model/TUndoAction.h"
#include "imaging/ColorValues.h"
#include <QList>
#include <QPoint>

// A new background value: the empty cells of both rasters take it. Empty cells are written
// directly, as no stitch count changes. Made by TStitch::changeBackgroundColor after the change.
class TChangeBackgroundAction : public TUndoAction
{
public:
    TChangeBackgroundAction(Design& design, QList<QPoint> arr, QList<QPoint> arrQuarter, TColor32 newColor, TColor32 oldColor);

    long long heldBytes() const override;

    // Writes `value` into the listed cells of both rasters and makes it the background.
    static void apply(Design& design, const QList<QPoint>& cells, const QList<QPoint>& quarters, TColor32 value);

private:
    void onExecute() override;
    void onUndo() override;
    QList<QPoint> fArr;
    QList<QPoint> fArrQuarter;
    TColor32 fNewColor;
    TColor32 fOldColor;
};
