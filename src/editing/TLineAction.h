#pragma once
#include "editing/CellValues.h"
#include "model/TUndoAction.h"
#include "imaging/ColorValues.h"
#include <QList>
#include <QPoint>

// The cells of a line, rectangle, circle or border, drawn when the record is built. Each cell
// is recorded with its value before (a position outside the design with the background value;
// writing there has no effect), and each non-empty quarter of those cells with its value:
// quarters under drawn cells are always emptied, whatever the coexistence setting says.
class TLineAction : public TUndoAction
{
public:
    TLineAction(Design& design, const QList<QPoint>& points, TColorRef newColor);

    long long heldBytes() const override;

private:
    void onExecute() override;
    void onUndo() override;
    void draw();

    CellValues fArrPoints;
    CellValues fArrQPoints;
    TColorRef fNewColor;
};
