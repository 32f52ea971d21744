#pragma once
#include "model/TRhode.h"
#include "model/TUndoAction.h"

// One rhode the rhode tool appended. The record keeps its own copy; redo appends a fresh copy
// of it, so nothing the design does to the placed rhode reaches the record. Its index is its
// position in the list.
class TDrawRhodeAction : public TUndoAction
{
public:
    TDrawRhodeAction(Design& design, const TRhode& rhode);

    long long heldBytes() const override;

private:
    void onExecute() override;
    void onUndo() override;
    TRhodeRef fRhode;
};
