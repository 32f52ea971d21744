#pragma once
#include "editing/TChangePaletteInfo.h"
#include "model/TUndoAction.h"
#include "model/UTypes.h"
#include <QList>
#include <QString>

// Moves the design onto another palette; the change is made when the record is built. Every
// stitch colour, french knots and rhodes included, goes to its nearest colour of the new palette,
// the colour table becomes the new palette's and is recounted.
//
// Undo moves the stitches back and restores the colour table exactly as it was, counts, symbols
// and any colour that was not in the old palette included, because the old palette's file may
// differ from the design's table. Redo writes the new colours again and rebuilds the table from
// the copy of the new palette kept here, not from the catalogue.
class TChangePaletteAction : public TUndoAction
{
public:
    // `newPalette` must name a loaded palette with at least one colour (see canChange).
    TChangePaletteAction(Design& design, const QString& newPalette);

    static bool canChange(const Design& design, const QString& newPalette);

    long long heldBytes() const override;

    const QList<TChangePaletteInfo>& infos() const { return fArr; }

private:
    void onExecute() override;
    void onUndo() override;
    void mapStitches();
    void writeColors(bool toNew);
    void takeTable(const TColorTable& table, const QString& name, bool recount);

    QString fOldPalette;
    QString fNewPalette;
    QList<TChangePaletteInfo> fArr;
    TColorTable fOldColors;
    TColorTable fNewColors;
    int fOldUsedColors = 0;
};
