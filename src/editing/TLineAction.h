#pragma once
#include "editing/CellValues.h"
#include "model/TUndoAction.h"
#include "imaging/ColorValues.h"
#include <QList>
#include <QPoint>

// The cells of a line, rectangle, circle or border, drawn when the record is built. Each cell
// inside the design is recorded once with its value before (positions outside are dropped), and
// each non-empty quarter of those cells with its value: quarters under drawn cells are always
// emptied, whatever the coexistence setting says.
class TLineAction : public TUndoAction
{
public:
    // What the record keeps: the listed cells inside the design and their non-empty quarters,
    // with their values before.
    struct Before
    {
        CellValues cells;
        CellValues quarters;

        // Drawing `color` would change a cell or empty a quarter.
        bool changes(TColorRef color) const;
    };
    static Before capture(Design& design, const QList<QPoint>& points);

    TLineAction(Design& design, Before before, TColorRef newColor);

    long long heldBytes() const override;

private:
    void onExecute() override;
    void onUndo() override;
    void draw();

    CellValues fArrPoints;
    CellValues fArrQPoints;
    TColorRef fNewColor;
};
