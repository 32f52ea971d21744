#include "model/CatalogueFiles.h"
#include <QDir>
#include <QMap>

namespace {
// File name -> full path of the files of one folder.
void addFolder(const QString& folder, const QString& pattern, QMap<QString, QString>& files)
{
    if (folder.isEmpty())
        return;
    const QDir dir(folder);
    const QStringList names = dir.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names)
        files.insert(name, dir.filePath(name));
}
} // namespace

QStringList CatalogueFiles::effective(const QString& userFolder, const QString& shippedFolder, const QString& pattern)
{
    // QMap orders its keys by code units; the user's folder is added last so that it wins.
    QMap<QString, QString> files;
    addFolder(shippedFolder, pattern, files);
    addFolder(userFolder, pattern, files);
    return files.values();
}
