#pragma once
#include "model/Status.h"
#include <QList>
#include <QString>

// Applies the updates that arrived in the install folder since the last run: "updates.xml"
// lists help files and palettes, each with a Source file to copy over its Destination.
// "CurrentVersion.xml", the record of installed items, takes their versions.
//
// Files are copied by the program itself, never through a shell, and each path is checked
// before it is used: a Source must lie inside the install folder or the download folder, a
// Destination inside the install folder. An item that breaks the rule is refused with a
// message and the others go on. Both "updates.xml" and any "updates.bat" are deleted at the end.
class PendingUpdates
{
public:
    PendingUpdates(const QString& installFolder, const QString& downloadFolder);

    bool pending() const;
    // Returns the messages for the user (empty when everything went well).
    QList<Status> apply();

private:
    QString resolve(const QString& path) const;
    bool inside(const QString& path, const QString& folder) const;
    void copy(const QString& source, const QString& destination, QList<Status>& messages) const;

    QString m_install;
    QString m_download;
};
