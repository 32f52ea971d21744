#pragma once

class Design;

// One undoable change. Records are made after a tool has changed the design (they capture just
// what reverses it) or make the change themselves when they are built; either way the history
// appends them without running them again. Undo and Execute rely on strict last-in, first-out
// order: each finds the design exactly as the record left it, so stored positions stay valid.
//
// Creating, undoing and redoing any record marks the design modified.
class TUndoAction
{
public:
    explicit TUndoAction(Design& design);
    virtual ~TUndoAction() = default;
    TUndoAction(const TUndoAction&) = delete;
    TUndoAction& operator=(const TUndoAction&) = delete;

    virtual void Undo();
    virtual void Execute();

    // Bytes held by the record beyond the object itself, for memory accounting.
    virtual long long heldBytes() const { return 0; }

protected:
    Design& fdesign;
};
