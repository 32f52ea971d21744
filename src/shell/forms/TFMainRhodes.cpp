// "Rhodes editor ...": the rhodes editor over the main window's shape library. The user's shapes
// are written into the user's own rhodes file, never into the shipped folder, and only when the
// library changed; the rhodes tool's pop-up follows the library afterwards.
#include "editors/RhodeShapeEditor.h"
#include "editors/forms/TFRhodesEditor.h"
#include "files/RhodesFile.h"
#include "model/RhodeShapes.h"
#include "model/Translatable.h"
#include "shell/Paths.h"
#include "shell/forms/MainDialogs.h"
#include "shell/forms/TFMain.h"

void TFMain::MenuRhodesEditorClick()
{
    if (!FRhodesEditor)
        FRhodesEditor = new TFRhodesEditor(this);
    FRhodesEditor->translate([this](const QString& text) { return translate(text); });
    const bool changed = FRhodesEditor->execute(*m_rhodeShapes);
    if (changed || m_rhodesUnsaved) {
        const Status saved = RhodeShapeEditor::save(*m_rhodeShapes, RhodesFile::fileIn(Paths::userRhodesFolder()));
        m_rhodesUnsaved = !saved;
        if (!saved) {
            m_dialogs->warn(saved.text([this](const QString& t) { return translate(t); }) + QLatin1Char('\n')
                + translate(TRANSLATABLE("The rhodes shapes stay for this run of the program.")));
        }
    }
    refreshRhodePopup();
}
