// The palette editor commands of the Tools menu. Palettes are written into the user's own
// palettes folder; the catalogue picks them up at the next new or opened design.
#include "editors/forms/TFChoosePalette.h"
#include "editors/forms/TFPaletteEditor.h"
#include "model/Design.h"
#include "shell/Paths.h"
#include "shell/forms/TFMain.h"

TFPaletteEditor* TFMain::preparedPaletteEditor()
{
    if (!FPaletteEditor) {
        FChoosePalette = new TFChoosePalette(this);
        FPaletteEditor = new TFPaletteEditor(FChoosePalette, this);
        FPaletteEditor->showHelp = [this](int topic) { showHelp(topic); };
    }
    TStitch& doc = m_design->stitch;
    QFont font;
    if (doc.chars)
        font = QFont(doc.chars->ffontname, 12);
    FPaletteEditor->setContext(Paths::userPalettesFolder(), doc.PalettesPath, doc.chars ? doc.chars->fcharacters : QString(), font);
    FPaletteEditor->translate([this](const QString& text) { return translate(text); });
    FChoosePalette->designPalette = doc.colorsname();
    return FPaletteEditor;
}

void TFMain::MenuNewPaletteClick()
{
    preparedPaletteEditor()->execute();
}

void TFMain::MenuEditPaletteClick()
{
    TFPaletteEditor* editor = preparedPaletteEditor();
    if (FChoosePalette->execute(vmView) != QDialog::Accepted)
        return;
    editor->execute(FChoosePalette->paletteFilename, FChoosePalette->palettename, FChoosePalette->paletteVersion);
}
