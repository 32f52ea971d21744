// The "Languages" menu and the re-captioning of the windows.
#include "model/Design.h"
#include "shell/Languages.h"
#include "shell/SettingsStore.h"
#include "shell/forms/TFHelp.h"
#include "shell/forms/TFMain.h"
#include <QIcon>
#include <QMenu>

void TFMain::ReadLanguages()
{
    MenuLanguages->clear();
    const TStitch& doc = m_design->stitch;
    for (const Languages::MenuEntry& entry : Languages::menuEntries(doc.LanguagesPath, fGeneral.languages)) {
        QAction* a = MenuLanguages->addAction(entry.caption);
        a->setToolTip(entry.fileName);
        a->setCheckable(true);
        a->setChecked(entry.fileName == doc.DefaultLanguage);
        if (!entry.flag.isEmpty())
            a->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(entry.flag)));
        const QString file = entry.fileName;
        connect(a, &QAction::triggered, this, [this, file] { selectLanguage(file); });
    }
}

void TFMain::selectLanguage(const QString& fileName)
{
    m_design->stitch.selectLanguage(fileName, m_store.get());
    m_store->sync();
    translate();
}

// Re-captions the window from its caption table; later windows join here as they are built.
void TFMain::translate()
{
    setUpdatesEnabled(false);
    m_captions.apply([this](const QString& key) { return translate(key); });
    TStitch& doc = m_design->stitch;
    doc.setColorsname(doc.colorsname());
    updateStatusPanels();
    applyFillFactorButton();
    // An open help window follows the language to the same place.
    if (FHelp && FHelp->isVisible())
        openHelpAt(FHelp->currentAnchor());
    setUpdatesEnabled(true);
    update();
}
