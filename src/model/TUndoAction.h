#pragma once

class Design;

// One undoable change. Records are made after a tool has changed the design (they capture just
// what reverses it) or make the change themselves when they are built; either way the history
// appends them without running them again. Undo and Execute rely on strict last-in, first-out
// order: each finds the design exactly as the record left it, so stored positions stay valid.
//
// The base fixes the order of every Execute and Undo:
//
//   mark the design modified -> check the call order -> onExecute / onUndo inside one batch
//   -> the batch ends: the listener hears the repaints and recounts once
//
// A record only says what it changes, through the stitch primitives or by telling the listener
// what else it replaced (a whole layer, the colour table). Creating a record marks the design
// modified too. The call order is checked in debug builds: a record is made with its change in
// the design, and Undo and Execute then alternate; a record undone twice would find the design
// in a state it never left and write its values into the wrong places.
class TUndoAction
{
public:
    explicit TUndoAction(Design& design);
    virtual ~TUndoAction() = default;
    TUndoAction(const TUndoAction&) = delete;
    TUndoAction& operator=(const TUndoAction&) = delete;

    void Undo();
    void Execute();

    // Bytes held by the record beyond the object itself, for memory accounting.
    virtual long long heldBytes() const { return 0; }

protected:
    virtual void onExecute() = 0;
    virtual void onUndo() = 0;

    Design& fdesign;

private:
    bool m_applied = true;
};
