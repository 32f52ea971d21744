#pragma once
#include "model/Design.h"
#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

// Everything of a design that editing and its history may change, copied so that a test can
// compare the design with an earlier state: both layers, the three lists (rhodes by content),
// the colour table with every field, the background, the palette name, the used-colour count
// and the symbol usage marks.
struct DesignSnapshot
{
    TBitmap32 cross;
    TBitmap32 quarter;
    QList<TBackStitch> backStitches;
    QList<TFrenchKnot> knots;
    QList<TRhode> rhodes;
    TColorTable colors;
    TColor32 background = 0;
    QString palette;
    int usedColors = 0;
    std::vector<int> charsUsed;

    static DesignSnapshot of(const Design& design);
    bool operator==(const DesignSnapshot& other) const;
    // A short fingerprint of the whole state, for keeping one per history position.
    QByteArray digest() const;
    // The first part that differs from `other`, for failure messages.
    std::string firstDifference(const DesignSnapshot& other) const;
};

// Compares every colour's counters with a recount of the stitches that weighs french knots 5,
// as the stitch primitives do, and checks the used-colour count, the usage marks and the
// symbol cache against it. Empty when everything agrees, else what disagrees.
std::string countsAgainstRecount(const Design& design);

// Undo returns the design to `before`, redo to the state it has now, and the counts agree with a
// recount in both: the check every undo record must pass.
void expectUndoAndRedo(Design& design, const DesignSnapshot& before);
