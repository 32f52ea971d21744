#include "shell/DesignSession.h"
#include "files/DesignFiles.h"
#include "files/QmkWriter.h"
#include "files/ShadowFile.h"
#include "model/Design.h"
#include "model/Translatable.h"
#include "shell/CMYKTable.h"
#include "shell/GeneralSettings.h"
#include "shell/SettingsStore.h"
#include "shell/Startup.h"
#include <QFileInfo>

DesignSession::DesignSession(SettingsStore& store, GeneralSettings& general, Program program)
    : m_store(store), m_general(general), m_program(program)
{
}

std::unique_ptr<Design> DesignSession::freshDesign(QStringList* messages)
{
    const QString installFolder = Startup::installFolder(m_store);
    QList<Status> problems;
    const bool window = m_program == Program::Window;
    if (window)
        problems = Startup::applyPendingUpdates(installFolder, m_store.readString(QStringLiteral("AppDataPath")));
    m_general = GeneralSettings();
    auto design = Startup::createDocument(m_store, m_general);
    TStitch& doc = design->stitch;
    const auto translate = [&doc](const QString& text) { return doc.translate(text); };
    for (const Status& problem : problems)
        *messages << problem.text(translate);
    *messages += m_general.problems;
    // The font is registered once per run, and a failure is told once.
    if (!Startup::registerSymbolFont(doc.FontsPath) && window && !m_fontReported) {
        *messages << doc.translate(TRANSLATABLE("Could not isntall font."));
        m_fontReported = true;
    }
    *messages += Startup::loadCatalogues(*design);
    if (const Status cmyk = CMYKTable::load(doc); !cmyk)
        *messages << cmyk.text(translate);
    doc.InstallPath = installFolder;
    m_store.sync();
    return design;
}

DesignSession::Opened DesignSession::openDesign(const QString& fileName, QStringList* messages)
{
    Opened opened;
    auto fresh = freshDesign(messages);
    TStitch& doc = fresh->stitch;
    const auto translate = [&doc](const QString& text) { return doc.translate(text); };
    const DesignFiles::LoadResult loaded = DesignFiles::load(fileName, *fresh);
    if (!loaded.status) {
        opened.error = loaded.status.text(translate);
        return opened;
    }
    for (const Status& warning : loaded.warnings)
        opened.warnings << warning.text(translate);
    const QFileInfo file(fileName);
    doc.PatternsPath = file.absolutePath() + QLatin1Char('/');
    doc.OpenFile(nameAfterOpening(file.absoluteFilePath()));
    doc.fileMode = fmOpen;
    const QString sideFile = ShadowFile::sideFileName(file.absoluteFilePath());
    if (const Status shadow = ShadowFile::read(sideFile, &fresh->shadowPicture); !shadow)
        opened.warnings << shadow.text(translate);
    else if (!fresh->shadowPicture.isNull())
        fresh->shadowFile = sideFile;
    opened.design = std::move(fresh);
    return opened;
}

Status DesignSession::save(Design& design, const QString& fileName, ForeignSideFile foreign, QStringList* warnings)
{
    const Status saved = SaveQMK(design, fileName);
    if (!saved)
        return saved;
    TStitch& doc = design.stitch;
    doc.setFilename(fileName);
    doc.FileNameAssigned = true;
    doc.setFileSaved(true);
    remember(fileName);
    writeShadow(design, fileName, foreign, warnings);
    return saved;
}

namespace {
bool sameFile(const QString& a, const QString& b)
{
    return !a.isEmpty() && !b.isEmpty() && QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}
} // namespace

bool DesignSession::sideFileIsForeign(const Design& design, const QString& fileName)
{
    const QString sideFile = ShadowFile::sideFileName(fileName);
    return !design.shadowPicture.isNull() && QFileInfo::exists(sideFile) && !sameFile(sideFile, design.shadowFile)
        && !ShadowFile::isMarked(sideFile);
}

void DesignSession::writeShadow(Design& design, const QString& fileName, ForeignSideFile foreign, QStringList* warnings)
{
    const QString sideFile = ShadowFile::sideFileName(fileName);
    // The file the shadow was read from holds it already; writing it again would only lose
    // what the picture had besides (its transparency, its metadata).
    if (design.shadowPicture.isNull() || (sameFile(sideFile, design.shadowFile) && QFileInfo::exists(sideFile)))
        return;
    if (foreign == ForeignSideFile::Keep && sideFileIsForeign(design, fileName))
        return;
    const Status written = ShadowFile::write(sideFile, design.shadowPicture);
    if (!written) {
        if (warnings)
            *warnings << written.text([&design](const QString& text) { return design.stitch.translate(text); });
        return;
    }
    design.shadowFile = QFileInfo(sideFile).absoluteFilePath();
}

bool DesignSession::remember(const QString& fileName)
{
    return m_general.recentFiles.insert(fileName);
}

QString DesignSession::designFileName(const QString& chosen)
{
    if (QFileInfo(chosen).suffix().compare(QLatin1String("qmk"), Qt::CaseInsensitive) == 0)
        return chosen;
    return chosen + QStringLiteral(".qmk");
}

QString DesignSession::nameAfterOpening(const QString& fileName)
{
    const QFileInfo file(fileName);
    return file.path() + QLatin1Char('/') + file.completeBaseName() + QStringLiteral(".qmk");
}
