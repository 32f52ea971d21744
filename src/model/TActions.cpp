#include "model/TActions.h"
#include "model/ChangeBatch.h"
#include "model/Design.h"
#include "model/DesignListener.h"

TUndoAction::TUndoAction(Design& design)
    : fdesign(design)
{
    fdesign.stitch.Change();
}

void TUndoAction::Undo()
{
    fdesign.stitch.Change();
    Q_ASSERT(m_applied);
    m_applied = false;
    ChangeBatch batch(fdesign);
    onUndo();
}

void TUndoAction::Execute()
{
    fdesign.stitch.Change();
    Q_ASSERT(!m_applied);
    m_applied = true;
    ChangeBatch batch(fdesign);
    onExecute();
}

void TActions::add(std::unique_ptr<TUndoAction> action)
{
    ClearUndoAfterPosition();
    fActions.push_back(std::move(action));
    ++fPosition;
    UpdateButtons();
}

void TActions::ClearUndoAfterPosition()
{
    while (count() - 1 > fPosition)
        fActions.pop_back();
    UpdateButtons();
}

void TActions::Undo()
{
    if (fPosition < 0)
        return;
    fActions[size_t(fPosition)]->Undo();
    --fPosition;
    UpdateButtons();
}

void TActions::Redo()
{
    if (fPosition >= count() - 1)
        return;
    ++fPosition;
    fActions[size_t(fPosition)]->Execute();
    UpdateButtons();
}

void TActions::Reset()
{
    while (!fActions.empty())
        fActions.pop_back();
    fPosition = -1;
    UpdateButtons();
}

void TActions::UpdateButtons() const
{
    fdesign.stitch.listener().historyChanged(canUndo(), canRedo());
}

long long TActions::heldBytes() const
{
    long long sum = 0;
    for (const auto& action : fActions)
        sum += action->heldBytes();
    return sum;
}
