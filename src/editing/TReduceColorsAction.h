#pragma once
#include "editing/TReduceColorsInfo.h"
#include "model/TUndoAction.h"
#include <QList>

// Reduces the colours in use to the `newCount` most used; the change is made when the record is
// built. The used colours are sorted by colorCount ascending, equal counts by orderID ascending,
// and the last `newCount` are kept (newCount is taken as at least 1). Every stitch of a replaced
// colour, french knots and rhodes included, goes to the nearest kept colour, through the stitch
// primitives, so the counts move with it. Execute writes each info's newColor into its recorded
// positions, Undo its oldColor.
class TReduceColorsAction : public TUndoAction
{
public:
    TReduceColorsAction(Design& design, int newCount);

    // The colours a reduction to `newCount` would replace, in the order described above; empty
    // when there are no more used colours than that.
    static QList<TColorRef> replacedColors(const Design& design, int newCount);

    long long heldBytes() const override;

    const QList<TReduceColorsInfo>& infos() const { return fArr; }

private:
    void onExecute() override;
    void onUndo() override;
    void reduce(int newCount);
    void apply(bool toNew);

    QList<TReduceColorsInfo> fArr;
};
