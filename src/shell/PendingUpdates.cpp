#include "shell/PendingUpdates.h"
#include "files/SafeFileWriter.h"
#include "files/XmlDocument.h"
#include "model/Translatable.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {
const QString kUpdates = QStringLiteral("updates.xml");
const QString kCurrent = QStringLiteral("CurrentVersion.xml");
const QString kLanguage = QStringLiteral("Language");
const QStringList kVersion = {QStringLiteral("Major"), QStringLiteral("Minor"), QStringLiteral("Release")};

void copyAttributes(const XmlElement& from, XmlElement& to, const QStringList& names)
{
    for (const QString& n : names)
        to.setAttribute(n, from.attribute(n));
}

XmlElement childOrNew(XmlElement parent, const QString& name)
{
    XmlElement child = parent.childByName(name);
    return child.isNull() ? parent.addChild(name) : child;
}
} // namespace

PendingUpdates::PendingUpdates(const QString& installFolder, const QString& downloadFolder)
    : m_install(QDir::cleanPath(QDir(installFolder).absolutePath()))
    , m_download(downloadFolder.isEmpty() ? QString() : QDir::cleanPath(QDir(downloadFolder).absolutePath()))
{
}

bool PendingUpdates::pending() const
{
    return QFile::exists(m_install + QLatin1Char('/') + kUpdates);
}

QString PendingUpdates::resolve(const QString& path) const
{
    const QString p = QDir::fromNativeSeparators(path);
    return QDir::cleanPath(QDir::isAbsolutePath(p) ? p : m_install + QLatin1Char('/') + p);
}

bool PendingUpdates::inside(const QString& path, const QString& folder) const
{
    if (folder.isEmpty())
        return false;
    // Compare real locations, so a link inside the folder cannot lead out of it.
    const QString realFolder = QFileInfo(folder).canonicalFilePath();
    const QFileInfo info(path);
    const QString realParent = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (realFolder.isEmpty() || realParent.isEmpty())
        return false;
    const QString real = realParent + QLatin1Char('/') + info.fileName();
    return real.startsWith(realFolder + QLatin1Char('/')) && !info.fileName().isEmpty()
        && info.fileName() != QLatin1String("..");
}

void PendingUpdates::copy(const QString& sourceText, const QString& destinationText, QList<Status>& messages) const
{
    const QString source = resolve(sourceText);
    const QString destination = resolve(destinationText);
    if (!inside(source, m_install) && !inside(source, m_download)) {
        messages << Status::error(TRANSLATABLE("Update refused: %1 lies outside the program's folders."), {sourceText});
        return;
    }
    if (!inside(destination, m_install)) {
        messages << Status::error(TRANSLATABLE("Update refused: %1 lies outside the program's folder."), {destinationText});
        return;
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        messages << Status::error(TRANSLATABLE("Update could not read %1: %2"), {sourceText, in.errorString()});
        return;
    }
    const Status written = SafeFileWriter::writeBytes(destination, in.readAll());
    if (!written)
        messages << written;
}

QList<Status> PendingUpdates::apply()
{
    QList<Status> messages;
    const QString updatesFile = m_install + QLatin1Char('/') + kUpdates;
    const QString currentFile = m_install + QLatin1Char('/') + kCurrent;
    Status status;
    const auto updates = XmlDocument::load(updatesFile, &status);
    if (!updates) {
        messages << status;
        QFile::remove(updatesFile);
        return messages;
    }
    XmlDocument current = XmlDocument::load(currentFile).value_or(XmlDocument::create(QStringLiteral("CurrentVersion")));
    XmlElement currentHelps = childOrNew(current.documentElement(), QStringLiteral("Helps"));
    XmlElement currentPalettes = childOrNew(current.documentElement(), QStringLiteral("Palettes"));
    QList<QPair<QString, QString>> copies;

    // The installed help pages by language, so that a long list is matched in one pass.
    QHash<QString, QList<XmlElement>> installedHelps;
    for (const XmlElement& installed : currentHelps.children())
        installedHelps[installed.attribute(kLanguage)].append(installed);
    const XmlElement helps = updates->documentElement().childByName(QStringLiteral("Helps"));
    for (const XmlElement& item : helps.children()) {
        QList<XmlElement>& installed = installedHelps[item.attribute(kLanguage)];
        for (XmlElement& help : installed)
            copyAttributes(item, help, kVersion);
        if (installed.isEmpty()) {
            XmlElement added = currentHelps.addChild(QStringLiteral("Help"));
            copyAttributes(item, added, QStringList{kLanguage} + kVersion);
            installed.append(added);
        }
        copies.append({item.attribute(QStringLiteral("Source")), item.attribute(QStringLiteral("Destination"))});
    }
    const XmlElement palettes = updates->documentElement().childByName(QStringLiteral("Palettes"));
    for (const XmlElement& item : palettes.children()) {
        XmlElement added = currentPalettes.addChild(QStringLiteral("Palette"));
        copyAttributes(item, added, QStringList{QStringLiteral("Name")} + kVersion);
        copies.append({item.attribute(QStringLiteral("Source")), item.attribute(QStringLiteral("Destination"))});
    }

    const Status saved = current.save(currentFile);
    if (!saved)
        messages << saved;
    for (const auto& [source, destination] : copies)
        copy(source, destination, messages);
    QFile::remove(m_install + QStringLiteral("/updates.bat"));
    QFile::remove(updatesFile);
    return messages;
}
