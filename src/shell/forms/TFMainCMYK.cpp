// "CMYK colors ...": the print colour corrections dialog over the open design's corrections.
#include "editors/forms/TFCMYK.h"
#include "model/Design.h"
#include "shell/forms/TFMain.h"

// The dialog is made on first use and kept, like every dialog of the program.
void TFMain::MenuCMYKClick()
{
    auto* dialog = findChild<TFCMYK*>(QString(), Qt::FindDirectChildrenOnly);
    if (!dialog) {
        dialog = new TFCMYK(this);
        connect(dialog, &TFCMYK::helpRequested, this, &TFMain::showHelp);
    }
    dialog->FormShow(m_design->stitch, [this](const QString& text) { return translate(text); });
    dialog->exec();
}
