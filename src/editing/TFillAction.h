#pragma once
#include "editing/CellValues.h"
#include "model/TUndoAction.h"
#include "imaging/ColorValues.h"
#include <QList>
#include <QPoint>

// One flood fill, recorded after the fill tool changed the design: the filled cells, which all
// held fOldColor (the background value for an empty region), and the quarters the fill emptied
// with their values. Execute writes fNewColor into the cells and fBackColor into the quarters;
// Undo writes fOldColor into the cells and the recorded values into the quarters.
class TFillAction : public TUndoAction
{
public:
    TFillAction(Design& design, QList<QPoint> arr, TColorRef oldColor, TColor32 backColor,
        CellValues quarterArray, TColorRef newColor);

    long long heldBytes() const override;

private:
    void onExecute() override;
    void onUndo() override;
    QList<QPoint> fArr;
    TColorRef fNewColor;
    TColorRef fOldColor;
    TColor32 fBackColor;
    CellValues fQuarterArray;
};
