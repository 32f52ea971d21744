#pragma once
#include "model/TUndoAction.h"
#include <memory>
#include <vector>

class Design;

// The history: the records in the order they were made and the position of the one applied
// last (-1: nothing to undo). A new record discards everything that could be redone. There is
// no limit and no merging.
class TActions
{
public:
    explicit TActions(Design& design) : fdesign(design) {}

    // Appends a record whose change is already in the design.
    void add(std::unique_ptr<TUndoAction> action);

    void Undo();
    void Redo();
    void Reset();
    void ClearUndoAfterPosition();
    void UpdateButtons() const;

    bool canUndo() const { return fPosition >= 0; }
    bool canRedo() const { return fPosition < count() - 1; }
    int count() const { return int(fActions.size()); }
    int position() const { return fPosition; }
    const TUndoAction& at(int i) const { return *fActions[size_t(i)]; }
    long long heldBytes() const;

private:
    Design& fdesign;
    int fPosition = -1;
    std::vector<std::unique_ptr<TUndoAction>> fActions;
};
