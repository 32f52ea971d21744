// "Options ..." and "Design Settings ..." of the Tools menu: each dialog shows the values the
// core reads, and the core applies what comes back.
#include "model/Design.h"
#include "model/Translatable.h"
#include "shell/CatalogueChoices.h"
#include "shell/DesignSettingsValues.h"
#include "shell/OptionsValues.h"
#include "shell/SettingsStore.h"
#include "shell/forms/MainDialogs.h"
#include "shell/forms/TFMain.h"
#include "shell/forms/TFOptions.h"
#include "shell/forms/TFTemplateSettings.h"

void TFMain::MenuOptionsClick()
{
    if (!FOptions) {
        FOptions = new TFOptions(this);
        connect(FOptions, &TFOptions::helpRequested, this, &TFMain::showHelp);
    }
    TStitch& doc = m_design->stitch;
    OptionsValues shown = OptionsValues::read(doc, fGeneral);
    shown.SubTitle = OptionsValues::shownSubTitle(doc, shown.SubTitle);
    FOptions->FormShow(shown, CatalogueChoices::palettes(doc), CatalogueChoices::symbolSets(doc),
        [this](const QString& text) { return translate(text); });
    if (FOptions->exec() != QDialog::Accepted)
        return;
    OptionsValues edited = FOptions->values();
    edited.SubTitle = OptionsValues::storedSubTitle(doc, edited.SubTitle);
    const Status applied = edited.apply(doc, fGeneral);
    if (!applied) {
        m_dialogs->warn(applied.text([this](const QString& text) { return translate(text); }));
        return;
    }
    setFormCaption();
    doc.WriteGeneralSettings(*m_store, fGeneral);
    if (!m_store->sync())
        m_dialogs->warn(translate(TRANSLATABLE("The settings could not be written.")));
}

void TFMain::MenuPatternSettingsClick()
{
    if (!FTemplateSettings) {
        FTemplateSettings = new TFTemplateSettings(this);
        connect(FTemplateSettings, &TFTemplateSettings::helpRequested, this, &TFMain::showHelp);
    }
    // A gesture in progress is recorded first, so the settings' undo steps come after it.
    finishGesture();
    Design& design = *m_design;
    const DesignSettingsValues shown = DesignSettingsValues::read(design);
    const auto tr = [this](const QString& text) { return translate(text); };
    FTemplateSettings->FormShow(shown, CatalogueChoices::palettes(design.stitch),
        CatalogueChoices::symbolSets(design.stitch), tr,
        [&design, &shown](const DesignSettingsValues& edited) { return edited.check(design, shown); });
    if (FTemplateSettings->exec() != QDialog::Accepted)
        return;
    const DesignSettingsValues::Outcome outcome = FTemplateSettings->values().apply(design, shown);
    if (!outcome.refused) {
        m_dialogs->warn(outcome.refused.text(tr));
        return;
    }
    setFormCaption();
    QStringList notes;
    for (const Status& note : outcome.notes)
        notes << note.text(tr);
    showMessages(notes);
}
