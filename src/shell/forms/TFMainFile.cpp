// The file commands of the main window: open, open as, save, save as, export, the recent files,
// and closing the window.
#include "conversion/DesignCreation.h"
#include "files/DesignFiles.h"
#include "files/OxsWriter.h"
#include "files/ShadowFile.h"
#include "model/Design.h"
#include "model/Translatable.h"
#include "shell/DesignSession.h"
#include "shell/SettingsStore.h"
#include "shell/forms/MainDialogs.h"
#include "shell/forms/TFMain.h"
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {
QString oxsFilter()
{
    return QStringLiteral("Open Cross Stitch (*.oxs)");
}
} // namespace

QString TFMain::openFilter()
{
    return translate(TRANSLATABLE("All design files")) + QStringLiteral(" (*.qmk *.stv *.qmkp *.oxs);;")
        + translate(TRANSLATABLE("Quillmark")) + QStringLiteral(" (*.qmk);;") + translate(TRANSLATABLE("Tilequill"))
        + QStringLiteral(" (*.qmkp);;Tapisto 1/2 (*.stv);;") + oxsFilter() + QStringLiteral(";;")
        + translate(TRANSLATABLE("All files")) + QStringLiteral(" (*)");
}

QString TFMain::saveFilter()
{
    return translate(TRANSLATABLE("Design file")) + QStringLiteral(" (*.qmk)");
}

void TFMain::rebuildReopenMenu()
{
    MenuReopen->clear();
    const MRUList& mru = fGeneral.recentFiles;
    for (int i = 0; i < mru.size(); ++i) {
        QAction* a = MenuReopen->addAction(mru.caption(i));
        connect(a, &QAction::triggered, this, [this, i] { MRUItemClick(i); });
    }
    MenuReopen->setEnabled(!mru.isEmpty());
}

void TFMain::MRUListInsert(const QString& fileName)
{
    if (m_session->remember(fileName))
        rebuildReopenMenu();
}

void TFMain::MRUItemClick(int index)
{
    const QString file = fGeneral.recentFiles.files().value(index);
    if (!QFileInfo::exists(file) || !m_design->stitch.Check(*this))
        return;
    if (OpenFile(file))
        MRUListInsert(file);
}

void TFMain::MenuOpenClick()
{
    if (!m_design->stitch.Check(*this))
        return;
    const QString file = m_dialogs->openFileName(fGeneral.recentFiles.startFolder(m_design->stitch.PatternsPath), openFilter());
    if (file.isEmpty())
        return;
    if (OpenFile(file))
        MRUListInsert(file);
}

void TFMain::MenuOpenAsClick()
{
    if (!m_design->stitch.Check(*this))
        return;
    const QString file = m_dialogs->openFileName(fGeneral.recentFiles.startFolder(m_design->stitch.PatternsPath), openFilter());
    if (file.isEmpty())
        return;
    const int mode = m_dialogs->chooseApplicationMode();
    if (mode < 0)
        return;
    if (openInto(file, mode == 1))
        MRUListInsert(file);
}

bool TFMain::OpenFile(const QString& fileName)
{
    return openInto(fileName, false);
}

void TFMain::MenuSaveClick()
{
    TStitch& doc = m_design->stitch;
    if (!doc.FileNameAssigned) {
        MenuSaveAsClick();
        return;
    }
    if (doc.fileSaved())
        return;
    // A design imported from another file is named with ".qmk"; a file of that name that was
    // not the one opened is only replaced when the user says so.
    if (doc.filename() != m_openedFile && QFileInfo::exists(doc.filename())
        && m_dialogs->ask(translate(TRANSLATABLE("File already exists, do you want to replace it?"))) != Answer::Yes)
        return;
    saveWholeDesign(doc.filename());
}

void TFMain::MenuSaveAsClick()
{
    TStitch& doc = m_design->stitch;
    const QString folder = fGeneral.recentFiles.startFolder(doc.SavePath);
    const QString chosen = m_dialogs->saveFileName(folder, doc.filename(), saveFilter());
    if (chosen.isEmpty())
        return;
    doc.SavePath = folder;
    const QString name = DesignSession::designFileName(chosen);
    // Only "Yes" replaces an existing file.
    if (QFileInfo::exists(name)
        && m_dialogs->ask(translate(TRANSLATABLE("File already exists, do you want to replace it?"))) != Answer::Yes)
        return;
    saveWholeDesign(name);
}

// Exporting writes a copy for other programs: the design keeps its file name and saved state.
void TFMain::MenuExportOXSClick()
{
    const TStitch& doc = m_design->stitch;
    const QFileInfo current(doc.filename());
    const QString preset = current.path() + QLatin1Char('/') + current.completeBaseName() + QStringLiteral(".oxs");
    QString name = m_dialogs->saveFileName(fGeneral.recentFiles.startFolder(doc.SavePath), preset, oxsFilter());
    if (name.isEmpty())
        return;
    if (QFileInfo(name).suffix().compare(QLatin1String("oxs"), Qt::CaseInsensitive) != 0)
        name += QStringLiteral(".oxs");
    if (QFileInfo::exists(name)
        && m_dialogs->ask(translate(TRANSLATABLE("File already exists, do you want to replace it?"))) != Answer::Yes)
        return;
    const Status saved = SaveOXS(*m_design, name);
    if (!saved)
        m_dialogs->warn(saved.text([this](const QString& t) { return translate(t); }));
}

// The export item sits below "Save as" and is usable whenever "Save as" is.
void TFMain::createExportMenu()
{
    MenuExportOXS = plainAction(QStringLiteral("MenuExportOXS"));
    MenuFile->addAction(MenuExportOXS);
    MenuExportOXS->setEnabled(MenuSaveAs->isEnabled());
    connect(MenuSaveAs, &QAction::enabledChanged, MenuExportOXS, &QAction::setEnabled);
    connect(MenuExportOXS, &QAction::triggered, this, &TFMain::MenuExportOXSClick);
}

void TFMain::MenuNewClick()
{
    if (!m_design->stitch.Check(*this))
        return;
    const TStitch& doc = m_design->stitch;
    NewDesignChoice choice;
    choice.palette = doc.defaultPalette;
    choice.characters = doc.defaultCharacters;
    choice.knitting = KnittingMode;
    for (const auto& entry : doc.ColorPalettes)
        choice.palettes << entry.first;
    for (const auto& entry : doc.characters)
        choice.symbolSets << entry.first;
    if (!m_dialogs->chooseNewDesign(choice))
        return;
    auto fresh = prepareDesign();
    const Status created = DesignCreation::CreateNewTemplate(*fresh, choice.width, choice.height, choice.characters, choice.palette);
    if (!created) {
        m_dialogs->warn(created.text([this](const QString& t) { return translate(t); }));
        return;
    }
    KnittingMode = choice.knitting;
    // A new design starts unsaved, under the name "New file.qmk".
    fresh->stitch.setFileSaved(false);
    m_openedFile.clear();
    installDesign(std::move(fresh));
    fMode = modNone;
    setMode(modDraw);
}

bool TFMain::FormCloseQuery()
{
    m_design->stitch.WriteGeneralSettings(*m_store, fGeneral);
    m_store->sync();
    return m_design->stitch.Check(*this);
}

Answer TFMain::ask(const QString& question)
{
    return m_dialogs->ask(question);
}

QString TFMain::chooseSaveFileName(const QString& preset)
{
    const QString chosen = m_dialogs->saveFileName(fGeneral.recentFiles.startFolder(m_design->stitch.SavePath), preset, saveFilter());
    return chosen.isEmpty() ? chosen : DesignSession::designFileName(chosen);
}

// Every save of the window: the design is named, marked saved and remembered only when every
// byte reached the disk.
//
// A picture of the user's own where the shadow picture would go is replaced only when the user
// says so; "No" saves the design without its shadow picture, "Cancel" saves nothing.
bool TFMain::saveWholeDesign(const QString& fileName)
{
    auto foreign = DesignSession::ForeignSideFile::Keep;
    if (DesignSession::sideFileIsForeign(*m_design, fileName)) {
        const QString question = translate(TRANSLATABLE("%1 is not a shadow picture saved by this program. Replace it with "
                                                        "the shadow picture of the design?"))
                                     .arg(QDir::toNativeSeparators(ShadowFile::sideFileName(fileName)));
        const Answer answer = m_dialogs->ask(question);
        if (answer == Answer::Cancel)
            return false;
        if (answer == Answer::Yes)
            foreign = DesignSession::ForeignSideFile::Replace;
    }
    QStringList warnings;
    const Status saved = m_session->save(*m_design, fileName, foreign, &warnings);
    if (!saved) {
        m_dialogs->warn(saved.text([this](const QString& t) { return translate(t); }));
        return false;
    }
    m_openedFile = fileName;
    rebuildReopenMenu();
    showMessages(warnings);
    return true;
}

// Opening: the start-up initialisation gives a fresh design, the file is read into it, and it
// replaces the open design only when the read succeeded; otherwise the user reads why and the
// open design stays as it was.
bool TFMain::openInto(const QString& fileName, bool knitting)
{
    QStringList messages;
    DesignSession::Opened opened = m_session->openDesign(fileName, &messages);
    if (!opened.design) {
        showMessages(messages << opened.error);
        return false;
    }
    KnittingMode = knitting;
    loadRhodeShapes(opened.design->stitch.RhodesPath, messages);
    m_openedFile = QFileInfo(fileName).absoluteFilePath();
    installDesign(std::move(opened.design));
    fMode = modNone;
    setMode(modDraw);
    setBackStitchesVisible(true);
    showMessages(messages + opened.warnings);
    return true;
}
