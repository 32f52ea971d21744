// The file commands of the main window: open, open as, save, save as, the recent files, and
// closing the window.
#include "model/Design.h"
#include "model/Translatable.h"
#include "shell/SettingsStore.h"
#include "shell/forms/MainDialogs.h"
#include "shell/forms/TFMain.h"
#include <QFileInfo>
#include <QMenu>

QString TFMain::openFilter()
{
    return translate(TRANSLATABLE("All design files")) + QStringLiteral(" (*.qmk *.stv *.qmkp);;")
        + translate(TRANSLATABLE("Quillmark")) + QStringLiteral(" (*.qmk);;") + translate(TRANSLATABLE("Tilequill"))
        + QStringLiteral(" (*.qmkp);;Tapisto 1/2 (*.stv);;") + translate(TRANSLATABLE("All files")) + QStringLiteral(" (*)");
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
    if (fGeneral.recentFiles.insert(fileName))
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
    if (saveWholeDesign(doc.filename())) {
        doc.setFileSaved(true);
        MRUListInsert(doc.filename());
    }
}

void TFMain::MenuSaveAsClick()
{
    TStitch& doc = m_design->stitch;
    const QString folder = fGeneral.recentFiles.startFolder(doc.SavePath);
    QString name = m_dialogs->saveFileName(folder, doc.filename(), saveFilter());
    if (name.isEmpty())
        return;
    doc.SavePath = folder;
    if (QFileInfo(name).suffix().compare(QLatin1String("qmk"), Qt::CaseInsensitive) != 0)
        name += QStringLiteral(".qmk");
    // Only "Yes" replaces an existing file.
    if (QFileInfo::exists(name)
        && m_dialogs->ask(translate(TRANSLATABLE("File already exists, do you want to replace it?"))) != Answer::Yes)
        return;
    if (!saveWholeDesign(name))
        return;
    doc.setFilename(name);
    doc.FileNameAssigned = true;
    doc.setFileSaved(true);
    MRUListInsert(name);
}

void TFMain::MenuNewClick()
{
    notAvailableYet();
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
    return m_dialogs->saveFileName(fGeneral.recentFiles.startFolder(m_design->stitch.SavePath), preset, saveFilter());
}

// TODO(design files): the reader and writer of design files are being written; these two are
// wired to them as soon as they land.
bool TFMain::saveWholeDesign(const QString&)
{
    notAvailableYet();
    return false;
}

bool TFMain::openInto(const QString&, bool)
{
    notAvailableYet();
    return false;
}
