// The language operations of the document object. selectLanguage records the choice in the
// settings at once, so it lives with the settings code in the shell.
#include "model/TStitch.h"
#include "model/TextFile.h"
#include "shell/Languages.h"
#include "shell/SettingsStore.h"

void TStitch::selectLanguage(const QString& name, SettingsStore* store)
{
    const QString chosen = Languages::isPlainFileName(name) ? name : QString::fromLatin1(Languages::kEnglish);
    DefaultLanguage = chosen;
    if (store)
        store->writeString(QStringLiteral("DefaultLanguage"), chosen);
    QStringList english;
    QStringList translated;
    TextFile::readLinesWithBom(LanguagesPath + QLatin1String(Languages::kEnglish), english);
    TextFile::readLinesWithBom(LanguagesPath + chosen, translated);
    Language = Languages::buildTable(english, translated);
}
