// The symbol commands of the Tools menu. Symbol sets are written into the user's own folder;
// the catalogue picks them up at the next new or opened design. A new symbol for the drawing
// colour changes the open design at once.
#include "editors/ChangeSymbol.h"
#include "editors/forms/TFChangeCharacter.h"
#include "editors/forms/TFCharacters.h"
#include "model/Design.h"
#include "shell/Paths.h"
#include "shell/forms/TFMain.h"

void TFMain::MenuCharactersEditorClick()
{
    if (!FCharacters) {
        FCharacters = new TFCharacters(this);
        FCharacters->showHelp = [this](int topic) { showHelp(topic); };
    }
    FCharacters->setFolders(Paths::userCharactersFolder(), m_design->stitch.CharactersPath);
    FCharacters->translate([this](const QString& text) { return translate(text); });
    FCharacters->execute();
}

// Only a colour with stitches shows a symbol; for any other the command does nothing.
void TFMain::MenuChangecharacterClick()
{
    if (!ChangeSymbol::canChange(m_design->stitch))
        return;
    if (!FChangeCharacter) {
        FChangeCharacter = new TFChangeCharacter(this);
        FChangeCharacter->showHelp = [this](int topic) { showHelp(topic); };
    }
    FChangeCharacter->translate([this](const QString& text) { return translate(text); });
    FChangeCharacter->execute(*m_design);
}

void TFMain::MenuChangeCharacter1Click()
{
    MenuChangecharacterClick();
}
