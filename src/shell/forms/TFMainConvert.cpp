// Convert Picture to Template: a picture file, the wizard, and a new design with the picture as
// its shadow. The open design stays until the new one is wholly built.
#include "conversion/PictureLoader.h"
#include "conversion/forms/TFWizzard.h"
#include "model/Design.h"
#include "model/Translatable.h"
#include "shell/DesignSession.h"
#include "shell/forms/TFMain.h"
#include <QFileInfo>
#include <QImageReader>
#include <new>

namespace {
QString pictureFilter()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return QStringLiteral("Pictures (%1)").arg(patterns.join(QLatin1Char(' ')));
}
} // namespace

void TFMain::Open1Click()
{
    if (!m_design->stitch.Check(*this))
        return;
    const QString name = m_dialogs->openFileName(m_design->stitch.PicturesPath, pictureFilter());
    if (name.isEmpty())
        return;
    // The next picture is looked for where this one was, whether or not it is converted.
    const QString folder = QFileInfo(name).absolutePath() + QLatin1Char('/');
    m_design->stitch.PicturesPath = folder;
    const auto tr = [this](const QString& t) { return translate(t); };
    if (!FWizzard) {
        FWizzard = new TFWizzard(this);
        FWizzard->showHelp = [this](int topic) { showHelp(topic); };
        FWizzard->warn = [this](const QString& message) { m_dialogs->warn(message); };
    }
    FWizzard->translate(tr);
    if (!FWizzard->loadPicture(name))
        return;
    FWizzard->ResetAll(m_design->stitch);
    const bool accepted = m_dialogs->runDialog(*FWizzard);
    m_design->stitch.Deltas.clear();
    if (!accepted) {
        FWizzard->release();
        return;
    }
    auto fresh = prepareDesign();
    Status status = Status::ok();
    try {
        status = FWizzard->conversion().buildDesign(*fresh);
        if (status)
            fresh->shadowPicture = FWizzard->shadowPicture();
    } catch (const std::bad_alloc&) {
        status = PictureLoader::outOfMemory();
    }
    FWizzard->release();
    if (!status) {
        m_dialogs->warn(status.text(tr));
        return;
    }
    TStitch& doc = fresh->stitch;
    doc.PicturesPath = folder;
    doc.setFilename(DesignSession::nameAfterOpening(QFileInfo(name).absoluteFilePath()));
    doc.FileNameAssigned = false;
    doc.fileMode = fmConvert;
    doc.setFileSaved(false);
    m_openedFile.clear();
    installDesign(std::move(fresh));
    fMode = modNone;
    setMode(modDraw);
}
