#pragma once
#include "model/TUndoAction.h"
#include "imaging/ColorValues.h"
#include <QList>
#include <QPoint>

// One click of the replace-colour tool, recorded after it recoloured the design: the cells that
// held fOldColor (the background value when empty cells were filled) and the positions in
// BackStitchList of the back stitches that had it. Execute writes fNewColor into both, Undo
// fOldColor; the back stitches' lengths move between the two colours' counters.
class TReplaceColorAction : public TUndoAction
{
public:
    TReplaceColorAction(Design& design, QList<QPoint> arr, QList<int> arrBack, TColorRef newColor, TColorRef oldColor);

    long long heldBytes() const override;

private:
    void onExecute() override;
    void onUndo() override;
    void apply(TColorRef color);

    QList<QPoint> fArr;
    QList<int> fArrBack;
    TColorRef fNewColor;
    TColorRef fOldColor;
};
