// The design library: the open design, or its selected part, stored as an entry; an entry
// placed as floating content at the top-left visible cell, ready to be moved and merged.
#include "editing/SelectionSession.h"
#include "editors/LibraryAdd.h"
#include "editors/forms/TFLibrary.h"
#include "editors/forms/TFLibraryAdd.h"
#include "model/Design.h"
#include "model/Translatable.h"
#include "shell/forms/TFMain.h"
#include "view/forms/TWorkView.h"

void TFMain::MenuAddToLibraryClick()
{
    if (m_design->CrossLayer.empty())
        return;
    std::optional<TRect> selection;
    if (m_selection->frameShown())
        selection = m_selection->SelectionRect();
    const QRect cells = LibraryAdd::rectangle(*m_design, selection);
    if (cells.isEmpty()) {
        m_dialogs->warn(translate(TRANSLATABLE("The selection lies outside the design.")));
        return;
    }
    if (!FLibraryAdd) {
        FLibraryAdd = new TFLibraryAdd(this);
        FLibraryAdd->showHelp = [this](int topic) { showHelp(topic); };
        FLibraryAdd->confirm = [this](const QString& question) { return m_dialogs->ask(question) == Answer::Yes; };
        FLibraryAdd->warn = [this](const QString& message) { m_dialogs->warn(message); };
    }
    FLibraryAdd->translate([this](const QString& text) { return translate(text); });
    FLibraryAdd->prepare(*m_design, cells, m_design->stitch.libraryPath);
    m_dialogs->runDialog(*FLibraryAdd);
}

void TFMain::MenuLibraryClick()
{
    if (!FLibrary) {
        FLibrary = new TFLibrary(this);
        FLibrary->showHelp = [this](int topic) { showHelp(topic); };
    }
    FLibrary->translate([this](const QString& text) { return translate(text); });
    const bool designOpen = !m_design->CrossLayer.empty();
    FLibrary->prepare(m_design->stitch.libraryPath, m_design->stitch, designOpen);
    if (!m_dialogs->runDialog(*FLibrary) || !designOpen || !FLibrary->entry().loaded())
        return;
    // Loading records nothing; merging the floating content is the step that can be undone.
    FLibrary->entry().fillBuffer(m_design->stitch.BackGroundColor, m_selection->buffer());
    if (fMode != modSelection)
        setMode(modSelection);
    const QPoint firstVisible(Image->geometry().h, Image->geometry().v);
    m_selection->Paste(firstVisible);
    m_selection->resize(dkMove, TRect{firstVisible.x(), firstVisible.y(), 0, 0}, QSize(m_design->width(), m_design->height()));
    selectionChanged();
}
